#pragma once

#include "fields/ZKLabelledElementView.h"

// A label: fixed text printed on the page.
class ZKLabel : public ZKLabelledElementView {
public:
    explicit ZKLabel(std::shared_ptr<ZKElement> element) : ZKLabelledElementView(std::move(element), false) {}

    std::string className() const override { return "ZKLabel"; }
    const std::shared_ptr<ZKLabelDisplayView>& labelDisplayView() const { return labelledDisplayView(); }

protected:
    std::string placeholderText() const override;
};

#pragma once

#include "fields/ZKLabelledElementView.h"

// A text area: several lines of text a signer types.
class ZKTextArea : public ZKLabelledElementView {
public:
    explicit ZKTextArea(std::shared_ptr<ZKElement> element) : ZKLabelledElementView(std::move(element), true) {}

    std::string className() const override { return "ZKTextArea"; }
    const std::shared_ptr<ZKLabelDisplayView>& textAreaDisplayView() const { return labelledDisplayView(); }

protected:
    std::string placeholderText() const override;
};

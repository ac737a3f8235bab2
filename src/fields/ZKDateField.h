#pragma once

#include "fields/ZKLabelledElementView.h"

// The signing date, filled in when the signature is made.
class ZKDateField : public ZKLabelledElementView {
public:
    explicit ZKDateField(std::shared_ptr<ZKElement> element) : ZKLabelledElementView(std::move(element), false) {}

    std::string className() const override { return "ZKDateField"; }

protected:
    std::string placeholderText() const override;
};

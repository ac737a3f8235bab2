#pragma once

#include "fields/ZKLabelledElementView.h"

// A date a signer enters, written in the field's pattern.
class ZKDateInputField : public ZKLabelledElementView {
public:
    explicit ZKDateInputField(std::shared_ptr<ZKElement> element) : ZKLabelledElementView(std::move(element), false) {}

    std::string className() const override { return "ZKDateInputField"; }

protected:
    // The date pattern while the field has one, else "Date Field".
    std::string placeholderText() const override;
};

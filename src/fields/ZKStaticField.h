#pragma once

#include "fields/ZKLabelledElementView.h"

// A text filled in from the signer's details when signing (name, title, company), or any
// other kind of field the designer does not place, shown with its value.
class ZKStaticField : public ZKLabelledElementView {
public:
    explicit ZKStaticField(std::shared_ptr<ZKElement> element) : ZKLabelledElementView(std::move(element), false) {}

    std::string className() const override { return "ZKStaticField"; }

protected:
    // What the field will hold: "Signer Name", "Signer Title" or "Signer Company", else
    // the field's name.
    std::string placeholderText() const override;
};

#pragma once

#include "fields/ZKLabelledElementView.h"

// A signature approval: where the signer signs; every other field belongs to one.
class ZKSignatureField : public ZKLabelledElementView {
public:
    explicit ZKSignatureField(std::shared_ptr<ZKElement> element) : ZKLabelledElementView(std::move(element), false) {}

    std::string className() const override { return "ZKSignatureField"; }

protected:
    std::string placeholderText() const override;
};

#pragma once

#include "fields/ZKLabelledElementView.h"

// A field of the service's selector kind, shown with its value or else its name.
class ZKSelectorField : public ZKLabelledElementView {
public:
    explicit ZKSelectorField(std::shared_ptr<ZKElement> element) : ZKLabelledElementView(std::move(element), false) {}

    std::string className() const override { return "ZKSelectorField"; }
};

#pragma once

#include "fields/ZKLabelledElementView.h"

// A field of the service's switch kind, shown with its value or else its name.
class ZKSwitch : public ZKLabelledElementView {
public:
    explicit ZKSwitch(std::shared_ptr<ZKElement> element) : ZKLabelledElementView(std::move(element), false) {}

    std::string className() const override { return "ZKSwitch"; }
};

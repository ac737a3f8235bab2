#pragma once

#include "fields/ZKCheckboxDisplayView.h"
#include "fields/ZKElementView.h"

// A box a signer ticks.
class ZKCheckBox : public ZKElementView {
public:
    explicit ZKCheckBox(std::shared_ptr<ZKElement> element);

    std::string className() const override { return "ZKCheckBox"; }

    const std::shared_ptr<ZKCheckboxDisplayView>& checkboxDisplayView() const { return checkboxDisplayView_; }

protected:
    void updateDisplay() override;

private:
    std::shared_ptr<ZKCheckboxDisplayView> checkboxDisplayView_;
};

#include "fields/ZKCheckBox.h"

ZKCheckBox::ZKCheckBox(std::shared_ptr<ZKElement> element)
    : ZKElementView(element), checkboxDisplayView_(std::make_shared<ZKCheckboxDisplayView>(element))
{
    setDisplayView(checkboxDisplayView_);
}

void ZKCheckBox::updateDisplay()
{
    checkboxDisplayView_->updateAppearance();
}

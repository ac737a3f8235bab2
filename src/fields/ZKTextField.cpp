#include "fields/ZKTextField.h"

#include "model/ZKElement.h"
#include "support/LocalizedSDK.h"

ZKTextField::ZKTextField(std::shared_ptr<ZKElement> element)
    : ZKElementView(std::move(element)), textFieldView_(std::make_shared<ZKTextFieldView>())
{
    setDisplayView(textFieldView_);
}

void ZKTextField::updateDisplay()
{
    const auto& field = textFieldView_->signingModeTextField();
    field->setText(element() ? element()->content() : std::string());
    field->setPlaceholder(localizedSDK("Text Field"));
}

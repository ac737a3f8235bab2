#include "designer/screens/ZKTextFieldSettingsVC.h"

#include "model/ZKElement.h"
#include "support/LocalizedSDK.h"

void ZKTextFieldSettingsVC::addDefaultValueControl(ZKFieldSettingsForm& form)
{
    form.addEntry(localizableKey("Default Value"), defaultValueTextField, ZKFieldSettingsForm::textFieldHeight, clearButton);
    wireReturnKey(*defaultValueTextField);
    recheckWhenEdited(*defaultValueTextField);
    clearButton->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                           [this](platform::ui::Control& sender) { clearButtonTapped(sender); });
}

void ZKTextFieldSettingsVC::addOtherControls(ZKFieldSettingsForm& form)
{
    form.addSwitch(localizableKey("Read Only"), readOnlySwitch);
}

void ZKTextFieldSettingsVC::clearButtonTapped(platform::ui::Control&)
{
    defaultValueTextField->setText("");
    hideMessageOnceCorrected();
}

void ZKTextFieldSettingsVC::populateOtherFields(const ZKElement& element)
{
    readOnlySwitch->setOn(element.readOnly());
}

void ZKTextFieldSettingsVC::writeOtherValues(ZKElement& element)
{
    element.setReadOnly(readOnlySwitch->isOn());
}

#include "designer/screens/ZKCheckBoxSettingsVC.h"

#include "designer/screens/ZKFieldSettingsSave.h"
#include "fields/ZKCheckBox.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"

using platform::ui::Control;
using platform::ui::ControlEvent;

void ZKCheckBoxSettingsVC::makeControls(ZKFieldSettingsForm& form)
{
    form.addEntry(localizableKey("Name"), nameTextField, ZKFieldSettingsForm::textFieldHeight);
    form.addSwitch(localizableKey("Checked by Default"), defaultValueSwitch);
    form.addSwitch(localizableKey("Required"), isRequiredSwitch);
    const auto self = shared_from_this();
    nameTextField->addTarget(self, ControlEvent::editingDidBegin,
                             [this](Control& sender) { nameTextFieldEditingDidBegin(sender); });
    nameTextField->addTarget(self, ControlEvent::primaryActionTriggered,
                             [this](Control& sender) { returnButtonTapped(sender); });
}

void ZKCheckBoxSettingsVC::populateFields()
{
    const auto field = element();
    if (!field) {
        return;
    }
    nameTextField->setText(nameToShow(*field));
    defaultValueSwitch->setOn(!field->content().empty());
    // Elements from the service may come without a validation record.
    const auto& validation = field->validation();
    isRequiredSwitch->setOn(validation && validation->required());
}

void ZKCheckBoxSettingsVC::saveButtonTapped(Control&)
{
    ZKTracker::reportEvent("Save button");
    hideValidationMessage();
    if (const auto field = element()) {
        ZKFieldSettingsSave save(field);
        if (const auto& validation = field->validation()) {
            validation->setRequired(isRequiredSwitch->isOn());
        }
        if (updateField) {
            field->setName(nameTextField->text());
        }
        // Written last, the content stores the element with every other value at once.
        field->updateContent(defaultValueSwitch->isOn() ? checkedContent : "");
        if (!save.store()) {
            return;
        }
        if (const auto checkBox = std::dynamic_pointer_cast<ZKCheckBox>(elementView.lock())) {
            checkBox->checkboxDisplayView()->updateAppearance();
        }
    }
    unwindToHub();
}

void ZKCheckBoxSettingsVC::returnButtonTapped(Control& sender)
{
    sender.resignFirstResponder();
}

void ZKCheckBoxSettingsVC::nameTextFieldEditingDidBegin(Control&)
{
    updateField = true;
}

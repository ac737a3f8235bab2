#include "designer/screens/ZKTextSettingsViewController.h"

#include "designer/screens/ZKFieldSettingsSave.h"
#include "designer/ZKMaxLengthEntry.h"
#include "fields/ZKTextArea.h"
#include "fields/ZKTextField.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"

void ZKTextSettingsViewController::makeControls(ZKFieldSettingsForm& form)
{
    form.addEntry(localizableKey("Name"), nameTextField, ZKFieldSettingsForm::textFieldHeight);
    addDefaultValueControl(form);
    form.addEntry(localizableKey("Max Length"), maxLengthTextField, ZKFieldSettingsForm::textFieldHeight);
    form.addSwitch(localizableKey("Required"), isRequiredSwitch);
    addOtherControls(form);
    nameTextField->addTarget(shared_from_this(), platform::ui::ControlEvent::editingDidBegin,
                             [this](platform::ui::Control& sender) { nameEditingDidBegin(sender); });
    wireReturnKey(*nameTextField);
    wireReturnKey(*maxLengthTextField);
    recheckWhenEdited(*maxLengthTextField);
}

void ZKTextSettingsViewController::recheckWhenEdited(platform::ui::TextField& field)
{
    field.addTarget(shared_from_this(), platform::ui::ControlEvent::editingChanged,
                    [this](platform::ui::Control&) { hideMessageOnceCorrected(); });
}

// A message that no longer applies must not stay up until Save.
void ZKTextSettingsViewController::hideMessageOnceCorrected()
{
    if (!ZKMaxLengthEntry(maxLengthTextField->text()).messageForDefaultValue(defaultValueText())) {
        hideValidationMessage();
    }
}

void ZKTextSettingsViewController::wireReturnKey(platform::ui::TextField& field)
{
    field.addTarget(shared_from_this(), platform::ui::ControlEvent::primaryActionTriggered,
                    [this](platform::ui::Control& sender) { returnButtonTapped(sender); });
}

void ZKTextSettingsViewController::returnButtonTapped(platform::ui::Control& sender)
{
    switch (sender.tag()) {
    case nameTag:
        defaultValueControl().becomeFirstResponder();
        return;
    case defaultValueTag:
        maxLengthTextField->becomeFirstResponder();
        return;
    case maxLengthTag:
        sender.resignFirstResponder();
        return;
    default:
        return;
    }
}

void ZKTextSettingsViewController::nameEditingDidBegin(platform::ui::Control&)
{
    updateField = true;
}

void ZKTextSettingsViewController::populateFields()
{
    const auto field = element();
    if (!field) {
        return;
    }
    nameTextField->setText(nameToShow(*field));
    showDefaultValue(field->content());
    // Elements from the service may come without a validation record.
    const auto& validation = field->validation();
    isRequiredSwitch->setOn(validation && validation->required());
    populateOtherFields(*field);
    maxLengthTextField->setText(ZKMaxLengthEntry::textForLimit(validation ? validation->maxLength() : std::nullopt));
}

void ZKTextSettingsViewController::saveButtonTapped(platform::ui::Control&)
{
    if (reportsSaveBeforeChecks()) {
        ZKTracker::reportEvent("Save button");
    }
    const ZKMaxLengthEntry entry(maxLengthTextField->text());
    if (const auto message = entry.messageForDefaultValue(defaultValueText())) {
        showValidationMessage(*message);
        return;
    }
    if (!reportsSaveBeforeChecks()) {
        ZKTracker::reportEvent("Save button");
    }
    hideValidationMessage();
    if (const auto field = element()) {
        ZKFieldSettingsSave save(field);
        writeValues(*field, entry.limit());
        if (!save.store()) {
            return;
        }
        showContentOnPage();
    }
    unwindToHub();
}

// The content goes last: writing it stores the element, which must hold every other
// value by then, so that all of them are stored together or none is.
void ZKTextSettingsViewController::writeValues(ZKElement& element, const std::optional<int>& limit)
{
    if (updateField) {
        element.setName(nameTextField->text());
    }
    const auto& validation = element.validation();
    if (validation) {
        validation->setRequired(isRequiredSwitch->isOn());
    }
    writeOtherValues(element);
    if (validation) {
        validation->setMaxLength(limit);
    }
    element.updateContent(defaultValueText());
}

// Both screens test for both kinds of field view. A text area redraws from its element,
// so that a value typed into a field that showed its placeholder is drawn as a value.
void ZKTextSettingsViewController::showContentOnPage() const
{
    const auto field = elementView.lock();
    if (const auto textField = std::dynamic_pointer_cast<ZKTextField>(field)) {
        textField->textFieldView()->signingModeTextField()->setText(textField->element()->content());
    } else if (const auto textArea = std::dynamic_pointer_cast<ZKTextArea>(field)) {
        textArea->update();
    }
}

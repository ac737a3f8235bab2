#include "designer/screens/ZKLabelSettingsVC.h"

#include "designer/screens/ZKFieldSettingsSave.h"
#include "fields/ZKLabel.h"
#include "foundation/Text.h"
#include "model/ZKElement.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"

using platform::ui::Control;
using platform::ui::ControlEvent;

void ZKLabelSettingsVC::makeControls(ZKFieldSettingsForm& form)
{
    form.addEntry(localizableKey("Name"), nameTextField, ZKFieldSettingsForm::textFieldHeight);
    form.addEntry(localizableKey("Value"), valueTextField, ZKFieldSettingsForm::textFieldHeight, clearButton);
    const auto self = shared_from_this();
    nameTextField->addTarget(self, ControlEvent::editingDidBegin,
                             [this](Control& sender) { textFieldEditingDidBegin(sender); });
    for (const auto& field : {nameTextField, valueTextField}) {
        field->addTarget(self, ControlEvent::primaryActionTriggered,
                         [this](Control& sender) { returnButtonTapped(sender); });
    }
    clearButton->addTarget(self, ControlEvent::touchUpInside, [this](Control& sender) { clearButtonTapped(sender); });
}

void ZKLabelSettingsVC::populateFields()
{
    const auto field = element();
    if (!field) {
        return;
    }
    nameTextField->setText(nameToShow(*field));
    valueTextField->setText(field->content());
}

void ZKLabelSettingsVC::saveButtonTapped(Control&)
{
    ZKTracker::reportEvent("Save button");
    if (const auto field = element()) {
        ZKFieldSettingsSave save(field);
        field->setName(platform::text::trimSpacesAndTabs(nameTextField->text()));
        field->updateContent(platform::text::trimSpacesAndTabs(valueTextField->text()));
        if (!save.store()) {
            return;
        }
        // Redrawn from the element, the text shows as a value even where the label
        // showed its placeholder before.
        if (const auto label = std::dynamic_pointer_cast<ZKLabel>(elementView.lock())) {
            label->update();
        }
    }
    unwindToHub();
}

void ZKLabelSettingsVC::returnButtonTapped(Control& sender)
{
    if (&sender == nameTextField.get()) {
        valueTextField->becomeFirstResponder();
    } else if (valueTextField->isFirstResponder()) {
        sender.resignFirstResponder();
    }
}

void ZKLabelSettingsVC::textFieldEditingDidBegin(Control&)
{
    updateField = true;
}

void ZKLabelSettingsVC::clearButtonTapped(Control&)
{
    valueTextField->setText("");
}

#include "designer/screens/ZKListViewSettingsVC.h"

#include "designer/screens/ZKFieldSettingsSave.h"
#include "designer/screens/ZKFieldSettingsLook.h"
#include "fields/ZKList.h"
#include "foundation/Text.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"
#include "ui/Label.h"

#include <algorithm>

using platform::ui::Control;
using platform::ui::ControlEvent;

void ZKListViewSettingsVC::makeControls(ZKFieldSettingsForm& form)
{
    form.addEntry(localizableKey("Name"), nameTextField, ZKFieldSettingsForm::textFieldHeight);
    form.addEntry(localizableKey("Default Value"), defaultValueTextField, ZKFieldSettingsForm::textFieldHeight);
    form.addEntry(localizableKey("List Items"), listTextView, listHeight, clearButton);
    form.addSwitch(localizableKey("Required"), isRequiredSwitch);
    makeHelpOverlay();
    listTextView->superview()->addSubview(listHelpOverlayView);
    wireControls();
}

void ZKListViewSettingsVC::makeHelpOverlay()
{
    listHelpOverlayView = std::make_shared<platform::ui::View>();
    // Touches go through to the item list beneath.
    listHelpOverlayView->setUserInteractionEnabled(false);
    auto hint = std::make_shared<platform::ui::Label>();
    hint->setText(localizedSDK("Type each item of the list on a line of its own."));
    hint->setFont(ZKFieldSettingsLook::bodyFont());
    hint->setTextColor(ZKFieldSettingsLook::hint());
    hint->setNumberOfLines(0);
    listHelpOverlayView->addSubview(hint);
}

void ZKListViewSettingsVC::wireControls()
{
    const auto self = shared_from_this();
    listTextView->setDelegate(std::dynamic_pointer_cast<platform::ui::TextViewDelegate>(self));
    nameTextField->addTarget(self, ControlEvent::editingDidBegin,
                             [this](Control& sender) { nameTextFieldDidBeginEditing(sender); });
    for (const auto& field : {nameTextField, defaultValueTextField}) {
        field->addTarget(self, ControlEvent::primaryActionTriggered,
                         [this](Control& sender) { returnButtonTapped(sender); });
    }
    clearButton->addTarget(self, ControlEvent::touchUpInside, [this](Control& sender) { clearButtonTapped(sender); });
}

void ZKListViewSettingsVC::viewDidLayoutSubviews()
{
    ZKFieldSettingsFormViewController::viewDidLayoutSubviews();
    const auto frame = listTextView->frame();
    listHelpOverlayView->setFrame(frame);
    listHelpOverlayView->subviews().front()->setFrame(
        platform::graphics::makeRect(8, 8, frame.width() - 16, frame.height() - 16));
}

void ZKListViewSettingsVC::populateFields()
{
    listTextView->setText("");
    listHelpOverlayView->setHidden(false);
    const auto field = element();
    if (!field) {
        return;
    }
    nameTextField->setText(nameToShow(*field));
    std::string items;
    // Elements from the service may come without a validation record.
    const auto& validation = field->validation();
    for (const auto& item : validation ? validation->enumeration() : std::vector<std::string>()) {
        items += item + "\n";
    }
    listTextView->setText(items);
    defaultValueTextField->setText(field->content());
    listHelpOverlayView->setHidden(!items.empty());
    isRequiredSwitch->setOn(validation && validation->required());
}

std::vector<std::string> ZKListViewSettingsVC::itemsFromText(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        if (end > start) {
            items.push_back(platform::text::trimSpacesAndTabs(std::string_view(text).substr(start, end - start)));
        }
        start = end + 1;
    }
    return items;
}

void ZKListViewSettingsVC::saveButtonTapped(Control&)
{
    ZKTracker::reportEvent("Save button");
    const auto defaultValue = platform::text::trimSpacesAndTabs(defaultValueTextField->text());
    auto items = itemsFromText(listTextView->text());
    if (!defaultValue.empty() && std::find(items.begin(), items.end(), defaultValue) == items.end()) {
        showValidationMessage(defaultNotAnItemMessage);
        return;
    }
    hideValidationMessage();
    if (const auto field = element(); field && !writeValues(field, defaultValue, std::move(items))) {
        return;
    }
    unwindToHub();
}

bool ZKListViewSettingsVC::writeValues(const std::shared_ptr<ZKElement>& field, const std::string& defaultValue,
                                       std::vector<std::string> items)
{
    ZKFieldSettingsSave save(field);
    auto& element = *field;
    if (nameTextField->text() != element.name()) {
        element.setName(nameTextField->text());
    }
    if (const auto& validation = element.validation()) {
        validation->setRequired(isRequiredSwitch->isOn());
        validation->setEnumeration(std::move(items));
    }
    // Written last, the content stores the element with every other value at once.
    element.updateContent(defaultValue);
    if (!save.store()) {
        return false;
    }
    if (const auto list = std::dynamic_pointer_cast<ZKList>(elementView.lock())) {
        list->setValue(defaultValue);
    }
    return true;
}

void ZKListViewSettingsVC::returnButtonTapped(Control& sender)
{
    switch (sender.tag()) {
    case nameTag:
        defaultValueTextField->becomeFirstResponder();
        return;
    case defaultValueTag:
        listTextView->becomeFirstResponder();
        listHelpOverlayView->setHidden(true);
        return;
    default:
        return;
    }
}

void ZKListViewSettingsVC::nameTextFieldDidBeginEditing(Control&)
{
    updateField = true;
}

void ZKListViewSettingsVC::clearButtonTapped(Control&)
{
    listTextView->setText("");
    listHelpOverlayView->setHidden(false);
    dismissKeyboard();
}

void ZKListViewSettingsVC::textViewDidBeginEditing(platform::ui::TextView&)
{
    listHelpOverlayView->setHidden(true);
    if (ZKScreen::isInLanscapeOrientation()) {
        scrollView.lock()->setContentOffset({0, landscapeEditingOffset}, true);
    }
}

bool ZKListViewSettingsVC::textViewShouldEndEditing(platform::ui::TextView&)
{
    showHelpOverlayIfEmpty();
    return true;
}

// Editing ended by force (a tap elsewhere closes the keyboard) asks no one first.
void ZKListViewSettingsVC::textViewDidEndEditing(platform::ui::TextView&)
{
    showHelpOverlayIfEmpty();
}

void ZKListViewSettingsVC::showHelpOverlayIfEmpty()
{
    if (listTextView->text().empty()) {
        listHelpOverlayView->setHidden(false);
    }
}

// The field settings screens as a sender walks them on a started draft: a signature and
// one field of each kind with a settings screen of its own placed on the page, then the
// settings of the text field, text area, list, check box and label opened from each
// field's menu, filled in and saved (the text field first refusing a default value
// longer than its maximum length). Each screen and the page after the saves are drawn,
// upright and turned on its side (a screen open over the draft, the keyboard up), on a
// phone, on a tablet and on a phone with a notch.
#include "DemoPdf.h"
#include "DemoRegistry.h"
#include "DemoStage.h"
#include "DemoWalk.h"
#include "DeviceWalks.h"
#include "FieldSettingsWalk.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKCheckBoxSettingsVC.h"
#include "designer/screens/ZKLabelSettingsVC.h"
#include "designer/screens/ZKListViewSettingsVC.h"
#include "designer/screens/ZKTextAreaSettingsVC.h"
#include "designer/screens/ZKTextFieldSettingsVC.h"
#include "fields/ZKContextMenuView.h"
#include "fields/ZKElementView.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <iostream>

namespace {

using platform::ui::TouchInjector;

bool startDraft(const std::filesystem::path& folder)
{
    VTTransaction transaction;
    transaction.setName("Flat lease");
    transaction.addDocument(
        VTDocument::initWithNameAndPath("Lease", host::writeLetterPdf(folder / "lease.pdf", "Lease agreement")));
    transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", std::nullopt, std::nullopt, std::nullopt));
    transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Ben", "Landlord", "ben@example.com", std::nullopt, std::nullopt, std::nullopt));
    std::string guid;
    transaction.startEditingWithCallback([&guid](const Dictionary& reply) { guid = reply.value("guid", ""); });
    host::pause(0.6);
    std::cout << "Started the draft " << guid << "\n";
    return !guid.empty();
}

void textFieldSettings(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKTextFieldSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.retype(*screen->nameTextField, "Unit");
    walk.retype(*screen->defaultValueTextField, "Flat 4B, second floor");
    walk.retype(*screen->maxLengthTextField, "8");
    walk.tap(*screen->isRequiredSwitch);
    walk.save(*screen->topBar());
    walk.draw("1-text-field-too-long");
    walk.retype(*screen->maxLengthTextField, "24");
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("2-text-field-corrected-before-save");
    walk.save(*screen->topBar());
    std::cout << "Text field saved: \"" << field.element()->content() << "\", at most "
              << field.element()->validation()->maxLength().value_or(0) << " characters\n";
}

void textAreaSettings(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKTextAreaSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.retype(*screen->nameTextField, "Notes");
    walk.retype(*screen->defaultValueTextView, "No pets.\nNo smoking.");
    walk.retype(*screen->maxLengthTextField, "200");
    walk.draw("3-text-area-keyboard");
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("3-text-area-settings");
    walk.save(*screen->topBar());
}

void listSettings(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKListViewSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.draw("4-list-settings-empty");
    walk.retype(*screen->nameTextField, "Parking");
    walk.retype(*screen->listTextView, "None\n  Street permit \n\nGarage\n");
    walk.retype(*screen->defaultValueTextField, " Garage");
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("5-list-settings");
    walk.save(*screen->topBar());
    std::cout << "List saved with " << field.element()->validation()->enumeration().size() << " items, default \""
              << field.element()->content() << "\"\n";
}

// More items than the box holds: typed, the last stays in sight; at rest, dragged to the
// first and back to the last. Cancelled, so the list keeps its saved items.
void longListSettings(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKListViewSettingsVC>(field);
    if (!screen) {
        return;
    }
    std::string items;
    for (int item = 1; item <= 15; ++item) {
        items += "Space " + std::to_string(item) + "\n";
    }
    walk.retype(*screen->listTextView, items + "Visitor bay");
    walk.draw("5-list-settings-many-items-typing");
    walk.tap(*screen->topBar()->titleLabel());
    const auto box = screen->listTextView->convertRectTo(screen->listTextView->bounds(), nullptr);
    walk.fingers().pan({{box.midX(), box.minY() + 10}, {box.midX(), box.maxY()}, {box.midX(), box.maxY() + 300}});
    walk.fingers().pan({{box.midX(), box.maxY() - 10}, {box.midX(), box.minY()}, {box.midX(), box.minY() - 300}});
    walk.draw("5-list-settings-many-items-scrolled-to-the-end");
    walk.tap(*screen->topBar()->cancelButton());
    host::pause(0.6);
}

void checkBoxSettings(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKCheckBoxSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.retype(*screen->nameTextField, "Pets allowed");
    walk.tap(*screen->defaultValueSwitch);
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("6-check-box-settings");
    walk.save(*screen->topBar());
}

void labelSettings(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKLabelSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.retype(*screen->nameTextField, "Heading");
    walk.retype(*screen->valueTextField, "  Monthly rent: 950  ");
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("7-label-settings");
    walk.save(*screen->topBar());
    std::cout << "Label saved trimmed: \"" << field.element()->content() << "\"\n";
}

void walkOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    const auto stage = host::DemoStage::open(profile);
    if (!startDraft(folder)) {
        std::cout << "The draft could not start.\n";
        return;
    }
    host::FieldSettingsWalk walk(folder, stage.window, 0, host::Turns::uprightAndLandscape);
    walk.place("SIGNATURE", "Signature");
    const auto textField = walk.place("TextBox", "Text Field");
    const auto textArea = walk.place("TextArea", "Text Area");
    const auto list = walk.place("List", "List");
    // The last field tapped on is kept on the page over the one before; a check box stays
    // reachable there, a label would cover it.
    const auto label = walk.place("label", "Label");
    const auto checkBox = walk.place("CheckBox", "Check Box");
    walk.draw("0-page-with-new-fields");

    textFieldSettings(walk, *textField);
    textAreaSettings(walk, *textArea);
    listSettings(walk, *list);
    longListSettings(walk, *list);
    checkBoxSettings(walk, *checkBox);
    labelSettings(walk, *label);
    walk.draw("8-page-after-saves");
    Veltra::dashboard()->exitSDK();
    host::pause(0.6);
}

void run(const host::DemoContext& context)
{
    host::walkOnEachDevice(context, context.outputDirectory / "fieldsettings", walkOn);
}

host::DemoRegistration registration(65, "Designer: the field settings screens", run, host::WalksDevices{});

} // namespace

// The radio button and date field settings as a sender walks them on a started draft:
// two radio buttons and a date field placed after a signature; the first button put into
// a new group "Parking" typed on the group list, the second picked into it on the list
// and saved as the default; then the date field given a name and a pattern. Each screen
// and the page after the saves are drawn, upright and turned on its side (a screen open
// over the draft, the keyboard up), on a phone, on a tablet and on a phone with a
// notch.
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
#include "designer/screens/ZKDateInputSettingsViewController.h"
#include "designer/screens/ZKRadioButtonSettingsVC.h"
#include "designer/screens/ZKRadioGroupSettingsVC.h"
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
    transaction.setName("Parking permit");
    transaction.addDocument(
        VTDocument::initWithNameAndPath("Permit", host::writeLetterPdf(folder / "permit.pdf", "Parking permit")));
    transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", std::nullopt, std::nullopt, std::nullopt));
    std::string guid;
    transaction.startEditingWithCallback([&guid](const Dictionary& reply) { guid = reply.value("guid", ""); });
    host::pause(0.6);
    std::cout << "Started the draft " << guid << "\n";
    return !guid.empty();
}

// A tap that moves to another screen: the screen shown next takes touches once the move
// has ended.
void tapToMove(host::FieldSettingsWalk& walk, const platform::ui::View& view)
{
    walk.tap(view);
    host::pause(platform::ui::ViewController::transitionDuration);
}

void firstRadio(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKRadioButtonSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.retype(*screen->nameTextField, "Garage");
    walk.draw("1-radio-settings-new");
    tapToMove(walk, *screen->arrowRightButton);
    const auto list = walk.shown<ZKRadioGroupSettingsVC>();
    if (!list) {
        return;
    }
    walk.retype(*list->radioGroupTextField.lock(), "Parking");
    walk.draw("2-radio-groups-typing");
    walk.fingers().pressReturn();
    host::pause(0.6);
    walk.draw("3-radio-settings-in-new-group");
    walk.save(*screen->topBar());
}

void secondRadio(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKRadioButtonSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.retype(*screen->nameTextField, "Street");
    tapToMove(walk, *screen->arrowRightButton);
    const auto list = walk.shown<ZKRadioGroupSettingsVC>();
    if (!list) {
        return;
    }
    walk.draw("4-radio-groups-list");
    tapToMove(walk, *list->tableView.lock()->cellForRow({0, 1}));
    walk.tap(*screen->defaultValueSwitch);
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("5-radio-settings-default-on");
    walk.save(*screen->topBar());
    std::cout << "Radio \"" << field.element()->name() << "\" saved in group \""
              << field.element()->validation()->groupName().value_or("") << "\", checked \""
              << field.element()->content() << "\"\n";
}

void dateField(host::FieldSettingsWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKDateInputSettingsViewController>(field);
    if (!screen) {
        return;
    }
    walk.draw("6-date-settings-new");
    walk.retype(*screen->fieldName, "Start date");
    walk.draw("6-date-settings-typing");
    walk.tap(*screen->formatListTableView->cellForRow({0, 3}));
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("7-date-settings-pattern-picked");
    walk.save(*screen->topBar());
    std::cout << "Date field saved with the pattern \"" << field.element()->validation()->pattern().value_or("")
              << "\"\n";
}

void walkOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    const auto stage = host::DemoStage::open(profile);
    if (!startDraft(folder)) {
        std::cout << "The draft could not start.\n";
        return;
    }
    host::FieldSettingsWalk walk(folder, stage.window, 0.1, host::Turns::uprightAndLandscape);
    walk.place("SIGNATURE", "SIGNATURE");
    const auto garage = walk.place("Radio", "Radio");
    const auto street = walk.place("Radio", "Radio");
    const auto date = walk.place("dateEntryField", "dateEntryField");
    walk.draw("0-page-with-new-fields");
    firstRadio(walk, *garage);
    secondRadio(walk, *street);
    dateField(walk, *date);
    walk.draw("8-page-after-saves");
    Veltra::dashboard()->exitSDK();
    host::pause(0.6);
}

void run(const host::DemoContext& context)
{
    host::walkOnEachDevice(context, context.outputDirectory / "radiodate", walkOn);
}

host::DemoRegistration registration(66, "Designer: the radio button and date field settings", run,
                                    host::WalksDevices{});

} // namespace

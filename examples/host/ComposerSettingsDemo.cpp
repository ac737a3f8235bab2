// The transaction settings page as a person walks it: opened from the main page, a
// description and a message written, in-person signing turned on, an expiry date a week
// ahead picked and confirmed, then saved. The page is drawn collapsed, while the message
// is typed, with the expiry row open, and the main page after the save; each upright and
// turned (the page open over the draft, the keyboard up), on a phone, then on a tablet in
// tablet/ and on a phone with a notch in notch/.
#include "DemoRegistry.h"
#include "DemoSender.h"
#include "DemoStage.h"
#include "DemoWalk.h"
#include "DeviceWalks.h"

#include <iostream>

#if __has_include("fakes/FakeSigningService.h")

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionDescriptionCell.h"
#include "composer/screens/CreateTransactionExpiryDateCell.h"
#include "composer/screens/CreateTransactionInPersonSigningCell.h"
#include "composer/screens/CreateTransactionMessageToSignersCell.h"
#include "composer/screens/CreateTransactionSettingsVC.h"
#include "fakes/FakeSigningService.h"
#include "foundation/DateFormatter.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

namespace {

using Settings = CreateTransactionSettingsVC;
using platform::ui::TouchInjector;

constexpr double week = 7 * 24 * 3600;

template <class Cell>
std::shared_ptr<Cell> row(const Settings& settings, int index)
{
    return std::dynamic_pointer_cast<Cell>(settings.tableView.lock()->cellForRow({0, index}));
}

void walkSettings(const std::shared_ptr<Settings>& settings, host::DemoWalk& walk)
{
    walk.draw("settings-phone-1-loaded");
    walk.tap(*row<CreateTransactionDescriptionCell>(*settings, Settings::description)->addTransactionDescriptionButton.lock());
    walk.type(*row<CreateTransactionDescriptionCell>(*settings, Settings::description)->transactionDescriptionTextView.lock(),
              "Renewal of the lease for flat 4B, twelve months from 1 September.");
    // A tablet's main page holds the message; its settings page does not.
    if (!platform::ui::Screen::main().traitCollection().isRegularByRegular()) {
        walk.tap(*row<CreateTransactionMessageToSignersCell>(*settings, Settings::message)->addMessageButton.lock());
        walk.type(*row<CreateTransactionMessageToSignersCell>(*settings, Settings::message)->messageToAllRecipientsTextView.lock(),
                  "Please sign by Friday.");
    }
    walk.draw("settings-phone-1b-keyboard-up");
    walk.tap(*settings->titleLabel);
    walk.tap(*row<CreateTransactionInPersonSigningCell>(*settings, Settings::inPersonSigning)->inPersonSigningSwitch.lock());
    walk.draw("settings-phone-2-edited");
    const auto expiry = row<CreateTransactionExpiryDateCell>(*settings, Settings::expiryDate);
    walk.tap(*expiry->setExpiryDateButton.lock());
    walk.fingers().pickDate(*expiry->expiryDatePicker.lock(), platform::Date::now().byAdding(week));
    walk.draw("settings-phone-3-expiry-open");
    walk.tap(*expiry->confirmRemoveButton.lock());
    walk.draw("settings-phone-4-expiry-confirmed");
}

void walkOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    const auto stage = host::DemoStage::open(profile);

    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName(std::string("Lease renewal"));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", "Flat 4B", "Tenant", std::nullopt));
    std::cout << "createAndStartEditWithTransaction: "
              << Veltra::dashboard()->createAndStartEditWithTransaction(transaction, false, false, false) << "\n";
    host::pause(0.6);
    const auto page = std::dynamic_pointer_cast<CreateTransactionAddDocsAndSignersPage>(stage.navigation->topViewController());
    host::DemoWalk walk(folder, stage.window, 0.4, host::Turns::uprightAndLandscape);
    walk.tap(platform::ui::Screen::main().traitCollection().isRegularByRegular() ? *page->iPadSettingsButton.lock()
                                                                                 : *page->settingsButton.lock());
    const auto settings = std::dynamic_pointer_cast<Settings>(page->presentedViewController());
    if (!settings) {
        std::cout << "The settings page did not open.\n";
        return;
    }
    walkSettings(settings, walk);
    walk.tap(*settings->saveButton.lock());
    walk.draw("settings-phone-5-saved");

    const auto model = VLTNewTransactionViewModel::sharedInstance();
    const platform::DateFormatter day("EEE, d MMM yyyy");
    std::cout << "Saved: description \"" << model->transactionDescription().value_or("") << "\", message \""
              << model->emailMessage().value_or("") << "\", in person " << model->inPerson() << ", expires "
              << (model->transactionExpiry() ? day.format(*model->transactionExpiry()) : "never") << "\n";
    walk.tap(*page->closeButton.lock());
    host::pause(0.6);
}

void run(const host::DemoContext& context)
{
    fakes::FakeSigningService service;
    host::addSenderAccount(service);
    if (!host::startService(service)) {
        return;
    }
    host::signInSender(service);
    host::walkOnEachDevice(context, context.outputDirectory / "composer", walkOn);
    service.stop();
}

host::DemoRegistration registration(81, "Composer: the transaction settings page", run, host::WalksDevices{});

} // namespace

#else

namespace {
host::DemoRegistration registration(81, "Composer: the transaction settings page", host::sayBuiltWithoutService);
} // namespace

#endif

// How a recipient proves its identity, as a sender chooses it from the add/edit
// recipient page: one recipient gets two security questions (the first try leaves an
// answer out and is refused), another gets a code by SMS to a number typed a digit at a
// time, laid out as it is typed. The picker, the question-and-answer page with its error,
// the SMS page with the formatted number and the add/edit page showing the chosen method
// are drawn to PNGs, on a phone, on a tablet and on a phone with a notch, each upright and
// on its side.
#include "DemoComposer.h"
#include "DemoRegistry.h"
#include "DemoStage.h"
#include "DemoWalk.h"
#include "DeviceWalks.h"

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionAddRecipientCell.h"
#include "sdk/facade/Veltra.h"
#include "signers/SignerAuthenticationDictionary.h"
#include "signers/screens/AddSignerViewController.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPage.h"
#include "ui/NavigationController.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <functional>
#include <iostream>

namespace {

using MainPage = CreateTransactionAddDocsAndSignersPage;
using Picker = CreateTransactionSignerAuthenticationMethodsPage;
using platform::ui::TouchInjector;

std::shared_ptr<platform::ui::ViewController> topOf(const platform::ui::ViewController& page)
{
    return page.navigationController()->topViewController();
}

void giveQuestions(host::DemoWalk& walk, const Picker& picker)
{
    walk.tap(*picker.qaButton.lock());
    const auto qa = std::dynamic_pointer_cast<CreateTransactionSignerAuthenticationMethodQAPage>(topOf(picker));
    walk.type(*qa->question1TextField.lock(), "Name of your first school?");
    walk.type(*qa->question2TextField.lock(), "Street you grew up in?");
    walk.type(*qa->answer2TextField.lock(), "Mill Lane");
    walk.tap(*qa->addButton.lock());
    walk.draw("authentication-phone-2-questions-answer-missing");
    walk.type(*qa->answer1TextField.lock(), "Hillside Primary");
    walk.tap(*qa->maskAnswer1Switch.lock());
    walk.tap(*qa->addButton.lock());
    walk.draw("authentication-phone-3-picker-questions-chosen");
}

void giveSMS(host::DemoWalk& walk, const Picker& picker)
{
    walk.tap(*picker.smsButton.lock());
    const auto sms = std::dynamic_pointer_cast<CreateTransactionSignerAuthenticationMethodSMSPage>(topOf(picker));
    walk.type(*sms->cellPhoneTextField.lock(), "+963 94456");
    walk.draw("authentication-phone-5-sms-typing");
    walk.type(*sms->cellPhoneTextField.lock(), "7890");
    walk.draw("authentication-phone-6-sms-country-not-allowed");
    sms->cellPhoneTextField.lock()->setText("");
    walk.type(*sms->cellPhoneTextField.lock(), "6502530000");
    walk.draw("authentication-phone-7-sms-formatted");
    walk.tap(*sms->addButton.lock());
}

struct Recipient {
    std::string firstName;
    std::string lastName;
    std::string email;
    std::function<void(host::DemoWalk&, const Picker&)> chooseMethod;
    // The PNGs of the picker as it opens (none when empty) and of the page with the method.
    std::string drawnPicker;
    std::string drawnWithMethod;
};

// From the main page's add row to the picker and back, then Add.
void addRecipient(host::DemoWalk& walk, const MainPage& mainPage, const Recipient& recipient)
{
    const auto row = std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(
        mainPage.tableView.lock()->cellForRow({0, MainPage::Row::addRecipient}));
    walk.tap(*row->addRecipientsButton.lock());
    const auto opened = std::dynamic_pointer_cast<platform::ui::NavigationController>(mainPage.presentedViewController());
    const auto page = opened ? std::dynamic_pointer_cast<AddSignerViewController>(opened->topViewController()) : nullptr;
    if (!page) {
        std::cout << "The add/edit recipient page did not open.\n";
        return;
    }
    walk.type(*page->firstNameTextField.lock(), recipient.firstName);
    walk.type(*page->lastNameTextField.lock(), recipient.lastName);
    walk.type(*page->emailTextField.lock(), recipient.email);
    walk.tap(*page->authenticationButton.lock());
    const auto picker = std::dynamic_pointer_cast<Picker>(topOf(*page));
    if (!picker) {
        std::cout << "The authentication method picker did not open.\n";
        return;
    }
    if (!recipient.drawnPicker.empty()) {
        walk.draw(recipient.drawnPicker);
    }
    recipient.chooseMethod(walk, *picker);
    walk.tap(*picker->topBar->backButton());
    walk.draw(recipient.drawnWithMethod);
    walk.tap(*page->addButton.lock());
}

void printRecipients()
{
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    for (int index = 0; index < model->signersNumber(); ++index) {
        const auto row = model->dataForSignerWithIndex(index);
        const auto method = authenticationMethodForInfoWithDict(platform::dictionary::objectAt(row, "authentication"));
        const auto* sms = method.as<SignerAuthenticationMethod::SMS>();
        std::cout << "  " << row.value("email", "") << ": " << method.displayLabel()
                  << (sms ? " to " + sms->phoneNumber.value_or("") : "") << "\n";
    }
}

// Both recipients on one device, each state drawn upright and on its side.
void walkOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    const auto stage = host::DemoStage::open(profile);
    const auto mainPage = host::openComposer(stage, "Lease renewal");
    if (!mainPage) {
        return;
    }
    host::DemoWalk walk(folder, stage.window, 0.4, host::Turns::uprightAndLandscape);
    addRecipient(walk, *mainPage, {"Tia", "Tenant", "tia@example.com", giveQuestions, "authentication-phone-1-picker",
                                  "authentication-phone-4-recipient-qa"});
    addRecipient(walk, *mainPage, {"Ben", "Landlord", "ben@example.com", giveSMS, "", "authentication-phone-8-recipient-sms"});
    printRecipients();
    walk.tap(*mainPage->closeButton.lock());
    host::pause(0.6);
}

void run(const host::DemoContext& context)
{
    const auto folder = context.outputDirectory / "signers";
    host::walkOnEachDevice(context, folder, walkOn);
    host::DemoStage::open(platform::ui::DeviceProfile::phone);
}

host::DemoRegistration registration(90, "Signer setup: how a recipient proves its identity", run, host::WalksDevices{});

} // namespace

// The add/edit recipient page as a person walks it on a phone, on a tablet and on a phone
// with a notch: a tenant typed in (first with a missing last name and a bad address, then corrected), the sender added through
// the source menu's "Add Myself", the account's signing group picked through the menu, and
// the tenant edited into the sender's own address, which is already in the transaction.
// The page is drawn empty, with a long first name, with its field errors, ready to add, with the source menu open,
// with the group picker over it, holding the group, in edit mode and with the duplicate refused, each upright and on its
// side (the source menu and the keyboard turn with it).
#include "DemoComposer.h"
#include "DemoRegistry.h"
#include "DemoSender.h"
#include "DemoStage.h"
#include "DemoWalk.h"
#include "DeviceWalks.h"

#include <iostream>

#if __has_include("fakes/FakeSigningService.h")

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionAddRecipientCell.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "fakes/FakeSigningService.h"
#include "foundation/RunLoop.h"
#include "sdk/facade/Veltra.h"
#include "signers/screens/AddSignerViewController.h"
#include "signers/screens/CreateTransactionPickGroupViewController.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

namespace {

using MainPage = CreateTransactionAddDocsAndSignersPage;
using Page = AddSignerViewController;

class AddSignerWalk {
public:
    AddSignerWalk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window,
                  std::shared_ptr<MainPage> mainPage)
        : walk_(std::move(folder), std::move(window), 0.4, host::Turns::uprightAndLandscape), mainPage_(std::move(mainPage))
    {
    }

    void draw(const std::string& name) const { walk_.draw(name); }
    void tap(const platform::ui::View& view) { walk_.tap(view); }

    void type(const std::weak_ptr<platform::ui::TextField>& field, const std::string& text)
    {
        walk_.type(*field.lock(), text);
    }

    void retype(const std::weak_ptr<platform::ui::TextField>& field, const std::string& text)
    {
        walk_.retype(*field.lock(), text);
    }

    // The add row of the main page, or a recipient's row as the recipient list opens it.
    std::shared_ptr<Page> open(std::optional<int> recipient)
    {
        if (recipient) {
            mainPage_->setSelectedSignerIndex(recipient);
            mainPage_->performSegueWithIdentifierSender(CreateTransactionStoryboard::toAddSignerPageSegue, mainPage_);
            host::pause(0.6);
        } else {
            const auto row = std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(
                mainPage_->tableView.lock()->cellForRow({0, MainPage::Row::addRecipient}));
            tap(*row->addRecipientsButton.lock());
        }
        const auto navigation =
            std::dynamic_pointer_cast<platform::ui::NavigationController>(mainPage_->presentedViewController());
        return navigation ? std::dynamic_pointer_cast<Page>(navigation->topViewController()) : nullptr;
    }

    bool pageOpen() const { return mainPage_->presentedViewController() != nullptr; }

private:
    host::DemoWalk walk_;
    std::shared_ptr<MainPage> mainPage_;
};

void printRecipients()
{
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    for (int index = 0; index < model->signersNumber(); ++index) {
        const auto row = model->dataForSignerWithIndex(index);
        std::cout << "  recipient " << index + 1 << ": " << row.value("displayName", "") << " <"
                  << row.value("email", "") << ">\n";
    }
}

void addTenant(AddSignerWalk& walk)
{
    const auto page = walk.open(std::nullopt);
    if (!page) {
        std::cout << "The add/edit recipient page did not open.\n";
        return;
    }
    walk.draw("addsigner-phone-1-empty");
    walk.type(page->firstNameTextField, "Maria-Antonietta Anastasia Wilhelmina");
    walk.tap(*page->errorLabel.lock());
    walk.draw("addsigner-phone-1-long-first-name");
    walk.retype(page->firstNameTextField, "Tia");
    walk.type(page->lastNameTextField, "");
    walk.type(page->emailTextField, "tia@example");
    walk.tap(*page->errorLabel.lock());
    walk.draw("addsigner-phone-2-field-errors");
    walk.type(page->lastNameTextField, "Tenant");
    walk.type(page->emailTextField, ".com");
    walk.draw("addsigner-phone-3-ready");
    walk.tap(*page->addButton.lock());
    std::cout << "Tia Tenant typed in and added: " << (walk.pageOpen() ? "no" : "yes") << "\n";
}

void addSender(AddSignerWalk& walk)
{
    const auto page = walk.open(std::nullopt);
    walk.tap(*page->signerButtonAdd.lock());
    walk.draw("addsigner-phone-4-source-menu");
    walk.tap(*page->addMyselfButton.lock());
    walk.tap(*page->addButton.lock());
    std::cout << "The sender added through \"Add Myself\": " << (walk.pageOpen() ? "no" : "yes") << "\n";
}

void addGroup(AddSignerWalk& walk)
{
    const auto page = walk.open(std::nullopt);
    walk.tap(*page->signerButtonAdd.lock());
    walk.tap(*page->addGroupButton.lock());
    const auto picker = std::dynamic_pointer_cast<CreateTransactionPickGroupViewController>(
        page->navigationController()->topViewController());
    if (!picker) {
        std::cout << "The group picker did not open.\n";
        walk.tap(*page->closeButton);
        return;
    }
    walk.draw("addsigner-phone-4-group-picker");
    walk.tap(*picker->tableView.lock()->cellForRow({0, 0}));
    walk.draw("addsigner-phone-5-group");
    walk.tap(*page->addButton.lock());
    std::cout << "The group \"Legal\" added: " << (walk.pageOpen() ? "no" : "yes") << "\n";
}

// The sender's own recipient goes first, so the tenant is found by address.
std::optional<int> rowOf(const std::string& email)
{
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    for (int index = 0; index < model->signersNumber(); ++index) {
        if (model->dataForSignerWithIndex(index).value("email", "") == email) {
            return index;
        }
    }
    return std::nullopt;
}

void editTenantIntoDuplicate(AddSignerWalk& walk)
{
    const auto tenant = rowOf("tia@example.com");
    const auto page = tenant ? walk.open(tenant) : nullptr;
    if (!page) {
        std::cout << "The tenant's row did not open.\n";
        return;
    }
    walk.draw("addsigner-phone-6-edit");
    walk.retype(page->emailTextField, "ben@example.com");
    walk.tap(*page->addButton.lock());
    // Before the turns: a keyboard that is up announces itself again when the phone turns,
    // which puts the page's hint back in place of the error.
    std::cout << "Error shown: \"" << page->errorLabel.lock()->text().value_or("") << "\"\n";
    walk.draw("addsigner-phone-7-duplicate");
    walk.tap(*page->closeButton);
}

// An address longer than its field: its end shows while it is typed, its start once the
// field is left. Closed without adding.
void typeLongEmail(AddSignerWalk& walk)
{
    const auto page = walk.open(std::nullopt);
    if (!page) {
        return;
    }
    walk.type(page->firstNameTextField, "Maria");
    walk.type(page->emailTextField, "maria-antonietta.anastasia.wilhelmina.vandenberghe@example.com");
    walk.draw("addsigner-phone-8-long-email-typing");
    walk.tap(*page->errorLabel.lock());
    walk.draw("addsigner-phone-9-long-email-left");
    walk.tap(*page->closeButton);
}

// The whole walk on one device, in a composer of its own.
void walkOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    const auto stage = host::DemoStage::open(profile);
    const auto mainPage = host::openComposer(stage, "Lease renewal");
    if (!mainPage) {
        return;
    }
    AddSignerWalk walk(folder, stage.window, mainPage);
    addTenant(walk);
    addSender(walk);
    addGroup(walk);
    editTenantIntoDuplicate(walk);
    typeLongEmail(walk);
    printRecipients();
    walk.tap(*mainPage->closeButton.lock());
    host::pause(0.6);
}

void run(const host::DemoContext& context)
{
    const auto folder = context.outputDirectory / "composer";
    fakes::FakeSigningService service;
    host::addSenderAccount(service);
    service.setGroups(Dictionary::array(
        {{{"id", "G-LEGAL"}, {"name", "Legal"}, {"email", "legal@groups.veltra.com"}, {"members", Dictionary::array()}}}));
    if (!host::startService(service)) {
        return;
    }
    host::signInSender(service);
    host::walkOnEachDevice(context, folder, walkOn);
    host::DemoStage::open(platform::ui::DeviceProfile::phone);
    // Signed out, so that the walks after this one do not reach for the stopped service.
    bool signedOut = false;
    Veltra::dashboard()->logoutWithCallback([&signedOut](const Dictionary&) { signedOut = true; });
    platform::RunLoop::main().advanceUntil([&signedOut] { return signedOut; }, 10);
    service.stop();
}

host::DemoRegistration registration(82, "Signer setup: the add/edit recipient page", run, host::WalksDevices{});

} // namespace

#else

namespace {
host::DemoRegistration registration(82, "Signer setup: the add/edit recipient page", host::sayBuiltWithoutService);
} // namespace

#endif

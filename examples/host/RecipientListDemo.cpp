// The composer's recipient list as a person uses it: three recipients (one of them the
// signed-in sender), the third dragged to the top (which turns ordered signing on), one
// removed by swiping its row open and tapping the trash can, two contact cards dropped
// from another application, and ordered signing switched off again. Each step is drawn to
// a PNG upright and turned, on a phone, then on a tablet in tablet/ and on a phone with a
// notch in notch/.
#include "DemoPdf.h"
#include "DemoRegistry.h"
#include "DemoSender.h"
#include "DeviceWalks.h"
#include "DemoWalk.h"

#include <iostream>

#if __has_include("fakes/FakeSigningService.h")

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionAddRecipientCell.h"
#include "composer/screens/CreateTransactionRecipientCell.h"
#include "composer/screens/CreateTransactionRecipientListCell.h"
#include "contacts/VCardWriter.h"
#include "dragdrop/DropInjector.h"
#include "dragdrop/TypeIdentifier.h"
#include "fakes/FakeSigningService.h"
#include "foundation/RunLoop.h"
#include "sdk/VTDocument.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"


namespace {

using Page = CreateTransactionAddDocsAndSignersPage;
using Row = CreateTransactionPageRowHeights::Row;
using platform::ui::TouchInjector;

constexpr const char* kSender = "ben@example.com";

class RecipientWalk {
public:
    RecipientWalk(std::filesystem::path folder, platform::ui::DeviceProfile profile,
                  host::Turns turns = host::Turns::upright)
        : folder_(std::move(folder)), turns_(turns)
    {
        auto& screen = platform::ui::Screen::main();
        screen.setDeviceProfile(profile);
        screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
        const auto root = std::make_shared<platform::ui::ViewController>();
        navigation_ = std::make_shared<platform::ui::NavigationController>(root);
        window_->setRootViewController(navigation_);
        window_->makeKeyAndVisible();
        Veltra::dashboard()->setRootViewController(root);
    }

    std::shared_ptr<Page> page() const { return std::dynamic_pointer_cast<Page>(navigation_->topViewController()); }
    std::shared_ptr<CreateTransactionRecipientListCell> list() const
    {
        return std::dynamic_pointer_cast<CreateTransactionRecipientListCell>(
            page()->tableView.lock()->cellForRow({0, Row::recipientList}));
    }
    std::shared_ptr<CreateTransactionRecipientCell> recipient(int row) const
    {
        return std::dynamic_pointer_cast<CreateTransactionRecipientCell>(
            list()->signersTableView.lock()->cellForRow({0, row}));
    }
    // Window coordinates of a recipient row's centre.
    platform::ui::Point centerOf(int row) const { return fingers_.centerOf(*recipient(row)); }

    void open(const std::shared_ptr<VTTransaction>& transaction) const
    {
        std::cout << "The composer opens: " << Veltra::dashboard()->createAndStartEditWithTransaction(transaction, true,
                                                                                                        true, true)
                  << "\n";
        settle();
        // The list sits below the fold of a phone's page; bring it up.
        if (!platform::ui::Screen::main().traitCollection().isRegularByRegular()) {
            page()->tableView.lock()->scrollToRow({0, Row::addRecipient}, platform::ui::TableScrollPosition::top,
                                                  false);
            settle();
        }
    }

    void draw(const std::string& name) const
    {
        settle();
        host::drawWindow(*window_, folder_, name);
        if (turns_ == host::Turns::uprightAndLandscape) {
            host::drawLandscape(*window_, folder_, name);
        }
    }

    void settle() const
    {
        host::pause(0.5);
        window_->layoutIfNeeded();
    }

    TouchInjector& fingers() { return fingers_; }
    const std::shared_ptr<platform::ui::Window>& window() const { return window_; }

private:
    std::filesystem::path folder_;
    host::Turns turns_;
    std::shared_ptr<platform::ui::Window> window_ = std::make_shared<platform::ui::Window>();
    std::shared_ptr<platform::ui::NavigationController> navigation_;
    TouchInjector fingers_{window_};
};

void addRecipient(const std::string& first, const std::string& last, const std::string& email,
                  const std::string& company)
{
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    const int code = model->addSignerAtIndex(
        Dictionary{{"firstName", first}, {"lastName", last}, {"email", email}, {"company", company}},
        model->signersNumber());
    std::cout << "  " << first << " " << last << " <" << email << ">: " << (code == 0 ? "added" : "refused") << "\n";
}

platform::dragdrop::DragItem contactCard(const std::string& first, const std::string& last, const std::string& email)
{
    platform::contacts::Contact person;
    person.givenName = first;
    person.familyName = last;
    person.emailAddresses = {{"work", email}};
    const std::string card = platform::contacts::VCardWriter::write({person}, platform::contacts::VCardVersion::v3_0);
    return {std::make_shared<platform::dragdrop::ItemProvider>(std::string(platform::dragdrop::TypeIdentifier::vCard),
                                                               platform::dragdrop::Bytes(card.begin(), card.end()))};
}

void printRecipients()
{
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    std::cout << "  ordered signing " << (model->orderedSigning() ? "on" : "off") << ":";
    for (int index = 0; index < model->signersNumber(); ++index) {
        std::cout << " " << index + 1 << ". " << model->dataForSignerWithIndex(index).value("firstName", "");
    }
    std::cout << "\n";
}

std::shared_ptr<VTTransaction> lease(const std::filesystem::path& folder)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName("Lease renewal");
    transaction->addDocument(VTDocument::initWithNameAndPath("Lease", host::writeLetterPdf(folder / "recipients-lease.pdf", "Lease")));
    return transaction;
}

void switchOrderedSigning(RecipientWalk& walk)
{
    const auto addRow = std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(
        walk.page()->tableView.lock()->cellForRow({0, Row::addRecipient}));
    walk.fingers().tap(*addRow->orderedSigningSwitch.lock());
}

// The phone with a notch, where only the pages' layout is new, stops once a row's trash
// can is uncovered.
void walkList(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    RecipientWalk walk(folder, profile, host::Turns::uprightAndLandscape);
    walk.open(lease(folder));

    std::cout << "Three recipients join through the model:\n";
    addRecipient("Tia", "Tenant", "tia@example.com", "Flat 4B");
    addRecipient("Ben", "Landlord", kSender, "Homes Ltd");
    addRecipient("Ola", "Agent", "ola@example.com", "Agents & Co");
    printRecipients();
    walk.draw("recipients-1-ordered-signing-off");

    std::cout << "Ola is pressed, held and dragged to the top:\n";
    const auto start = walk.centerOf(2);
    walk.fingers().longPressAndDrag(start, {{start.x, start.y - 40}, {start.x, walk.centerOf(0).y - 20}});
    printRecipients();
    walk.draw("recipients-2-ordered-signing-on");

    std::cout << "Tia's row is swiped open and her trash can tapped:\n";
    walk.fingers().swipe(walk.centerOf(2), platform::ui::SwipeDirection::left);
    walk.draw("recipients-3-trash-uncovered");
    if (profile == platform::ui::DeviceProfile::phoneWithNotch) {
        walk.fingers().tap(*walk.page()->closeButton.lock());
        walk.settle();
        return;
    }
    // Turning the screen reloads the list, which closes the swiped row.
    if (!walk.recipient(2)->backMenuShowing) {
        walk.fingers().swipe(walk.centerOf(2), platform::ui::SwipeDirection::left);
        walk.settle();
    }
    walk.fingers().tap(*walk.recipient(2)->trashButton.lock());
    walk.draw("recipients-4-removed");
    printRecipients();

    std::cout << "Two contact cards are dropped on the list:\n";
    const auto outcome = platform::dragdrop::DropInjector(walk.window())
                             .drop({contactCard("Mira", "Owner", "mira@example.com"),
                                    contactCard("Raj", "Notary", "raj@example.com")},
                                   *walk.list());
    std::cout << "  the drop was " << (outcome.performed ? "taken by the list" : "not taken") << "\n";
    platform::RunLoop::main().advanceUntil(
        [] { return VLTNewTransactionViewModel::sharedInstance()->signersNumber() == 4; }, 10);
    printRecipients();
    walk.draw("recipients-5-cards-dropped");

    std::cout << "Ordered signing is switched off:\n";
    switchOrderedSigning(walk);
    printRecipients();
    walk.draw("recipients-6-ordered-signing-off-again");
    walk.fingers().tap(*walk.page()->closeButton.lock());
    walk.settle();
}

void walkOnTablet(const std::filesystem::path& folder)
{
    RecipientWalk walk(folder, platform::ui::DeviceProfile::tablet);
    walk.open(lease(folder));
    std::cout << "On a tablet, three recipients and ordered signing switched on:\n";
    addRecipient("Tia", "Tenant", "tia@example.com", "Flat 4B");
    addRecipient("Ben", "Landlord", kSender, "Homes Ltd");
    addRecipient("Ola", "Agent", "ola@example.com", "Agents & Co");
    switchOrderedSigning(walk);
    printRecipients();
    walk.draw("recipients-7-tablet-ordered-signing-on");
    walk.fingers().tap(*walk.page()->closeButton.lock());
    walk.settle();
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phone);
}

void run(const host::DemoContext& context)
{
    fakes::FakeSigningService service;
    host::addSenderAccount(service);
    if (!host::startService(service)) {
        return;
    }
    const auto folder = context.outputDirectory / "composer";
    std::filesystem::create_directories(folder);
    host::signInSender(service);
    host::walkOnEachDevice(context, folder, walkList);
    if (host::walksOn(context, platform::ui::DeviceProfile::tablet)) {
        walkOnTablet(folder);
    }
    service.stop();
}

host::DemoRegistration registration(81, "Composer: the recipient list", run, host::WalksDevices{});

} // namespace

#else

namespace {
host::DemoRegistration registration(81, "Composer: the recipient list", host::sayBuiltWithoutService);
} // namespace

#endif

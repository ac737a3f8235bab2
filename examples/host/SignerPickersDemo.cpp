// The signer setup's three pickers as a person walks them on a phone, on a tablet and on a
// phone with a notch, each state upright and on its side, filling one recipient: the device's address book (the
// cards in the host's example data) read after the person allows it, scrolled to its end
// on its side and turned upright again, a contact with three addresses opened and one
// address chosen; the same book refused, with the offer to open the settings; a signing
// group picked; a personal message written. A recipient card stands in for the page that
// opens the pickers and shows what each of them handed over.
#include "DemoRegistry.h"
#include "DemoWalk.h"
#include "DeviceWalks.h"

#include "composer/screens/CreateTransactionGroupCell.h"
#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "contacts/ContactStoreSettings.h"
#include "foundation/RunLoop.h"
#include "signers/screens/CreateTransactionPickGroupViewController.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePage.h"
#include "signers/screens/CreateTransactionSignerChooseContactPage.h"
#include "signers/screens/CreateTransactionSignerContactCell.h"
#include "signers/screens/CreateTransactionSignerContactEmailCell.h"
#include "signers/screens/SignerSetupPageLayout.h"
#include "signers/screens/SignerSetupScenes.h"
#include "signers/screens/SignerSetupTopBar.h"
#include "support/ZKScreen.h"
#include "ui/AlertController.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/ScrollView.h"
#include "ui/Storyboard.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <iostream>

namespace {

using platform::contacts::AuthorizationStatus;
using platform::graphics::makeRect;
using platform::ui::TouchInjector;
using ContactsPage = CreateTransactionSignerChooseContactPage;
using GroupsPage = CreateTransactionPickGroupViewController;
using MessagePage = CreateTransactionSignerAddPersonalMessagePage;

// The recipient being filled, one line a detail, as the pickers hand them over.
class RecipientCard : public platform::ui::ViewController,
                      public CreateTransactionSignerChooseContactPageDelegate,
                      public CreateTransactionPickGroupViewControllerDelegate,
                      public CreateTransactionSignerAddPersonalMessagePageDelegate {
public:
    void loadView() override
    {
        auto root = std::make_shared<platform::ui::View>(platform::ui::Screen::main().bounds());
        root->setBackgroundColor(CreateTransactionLook::pageBackground());
        details_ = std::make_shared<platform::ui::Label>();
        details_->setNumberOfLines(0);
        details_->setFont(CreateTransactionLook::bodyFont());
        detailsScroll_ = std::make_shared<platform::ui::ScrollView>();
        detailsScroll_->addSubview(details_);
        root->addSubview(detailsScroll_);
        topBar_ = std::make_shared<SignerSetupTopBar>("Recipient");
        root->addSubview(topBar_);
        statusBar_ = SignerSetupPageLayout::makeStatusBarStrip();
        root->addSubview(statusBar_);
        setView(root);
        show();
    }

    void viewDidLayoutSubviews() override
    {
        const auto content =
            ZKScreen::withinSafeSides(*view(), SignerSetupPageLayout::layout(*this, *statusBar_, *topBar_));
        detailsScroll_->setFrame(content);
        const double width = content.width() - 2 * detailsMargin;
        const double height = details_->sizeThatFits({width, 0}).height;
        details_->setFrame(makeRect(detailsMargin, detailsMargin, width, height));
        detailsScroll_->setContentSize({content.width(), height + 2 * detailsMargin});
    }

    void newSignerSelectedFromPhonebook(const std::optional<std::string>& name,
                                        const std::optional<std::string>& familiyName,
                                        const std::optional<std::string>& email,
                                        const std::optional<std::string>& company,
                                        const std::optional<std::string>& jobTitle) override
    {
        firstName_ = name.value_or("");
        lastName_ = familiyName.value_or("");
        email_ = email.value_or("");
        company_ = company.value_or("");
        title_ = jobTitle.value_or("");
        show();
    }
    void setSelectedGroup(const std::shared_ptr<ZKGroup>& group) override { group_ = group; }
    void setSignerType(CreateTransactionSignerType) override {}
    void updateUIForSignerType(CreateTransactionSignerType) override {}
    void populateUIForSelectedGroup() override { show(); }
    void manageAddButtonAvailability() override {}
    void newPersonalMessageAvailable(const std::optional<std::string>& message) override
    {
        message_ = message.value_or("");
        show();
    }

private:
    void show()
    {
        if (!details_) {
            return;
        }
        details_->setText("First name: " + firstName_ + "\nLast name: " + lastName_ + "\nE-mail: " + email_ +
                          "\nCompany: " + company_ + "\nTitle: " + title_ +
                          "\nGroup: " + (group_ ? group_->groupName() + " <" + group_->groupEmail() + ">" : "") +
                          "\nMessage: " + message_);
        view()->setNeedsLayout();
    }

    static constexpr double detailsMargin = 20;

    std::shared_ptr<platform::ui::Label> details_;
    std::shared_ptr<platform::ui::ScrollView> detailsScroll_;
    std::shared_ptr<SignerSetupTopBar> topBar_;
    std::shared_ptr<platform::ui::View> statusBar_;
    std::string firstName_, lastName_, email_, company_, title_, message_;
    std::shared_ptr<ZKGroup> group_;
};

class PickersWalk {
public:
    PickersWalk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window,
                std::shared_ptr<platform::ui::NavigationController> navigation, std::shared_ptr<RecipientCard> card)
        : folder_(std::move(folder))
        , window_(std::move(window))
        , navigation_(std::move(navigation))
        , card_(std::move(card))
        , fingers_(window_)
    {
    }

    void draw(const std::string& name) const
    {
        host::pause(0.6);
        host::drawWindow(*window_, folder_, name);
        host::drawLandscape(*window_, folder_, name);
    }

    void tap(const platform::ui::View& view)
    {
        window_->layoutIfNeeded();
        fingers_.tap(view);
        host::pause(0.6);
    }

    void type(const std::string& text) { fingers_.typeText(text); }

    // Turns the window on its side, scrolls to the end there and turns it upright again.
    void scrollToTheEndOnItsSide()
    {
        auto& screen = platform::ui::Screen::main();
        screen.setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
        host::pause(0.6);
        for (int drag = 0; drag < 3; ++drag) {
            scroll(250);
        }
        screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    }

    // Draws the window upright only.
    void drawUpright(const std::string& name) const
    {
        host::pause(0.6);
        host::drawWindow(*window_, folder_, name);
    }

    // A finger drawn up (or down) the middle of the screen by `distance` points.
    void scroll(double distance)
    {
        const double middle = window_->bounds().width() / 2;
        const double start = window_->bounds().height() / 2 + distance / 2;
        std::vector<platform::graphics::Point> path;
        for (int step = 0; step <= 10; ++step) {
            path.push_back({middle, start - distance * step / 10});
        }
        fingers_.pan(path);
        host::pause(0.6);
    }

    // A new page of the scene on top of the recipient card, prepared as the add/edit
    // recipient page prepares it.
    template <class Page, class Prepare>
    std::shared_ptr<Page> open(const char* scene, const Prepare& prepare)
    {
        auto page = std::dynamic_pointer_cast<Page>(CreateTransactionStoryboard::named()->instantiateViewController(scene));
        page->setDelegate(card_);
        prepare(*page);
        navigation_->pushViewController(page, true);
        host::pause(0.6);
        return page;
    }

private:
    std::filesystem::path folder_;
    std::shared_ptr<platform::ui::Window> window_;
    std::shared_ptr<platform::ui::NavigationController> navigation_;
    std::shared_ptr<RecipientCard> card_;
    TouchInjector fingers_;
};

std::shared_ptr<CreateTransactionSignerContactCell> contactRow(const ContactsPage& page, int section, int row)
{
    return std::dynamic_pointer_cast<CreateTransactionSignerContactCell>(
        page.contactsTableView.lock()->cellForRow({section, row}));
}

// With `scrolling`, the list is also scrolled down, to its end on its side and back.
void walkContacts(PickersWalk& walk, bool scrolling)
{
    const auto settings = platform::contacts::ContactStoreSettings::shared();
    settings->setDirectory(std::filesystem::path(VELTRA_HOST_DATA_DIR) / "AddressBook");
    settings->setAuthorizationStatus(AuthorizationStatus::notDetermined);
    settings->setGrantsAccessWhenAsked(true);
    const auto page = walk.open<ContactsPage>(SignerSetupScenes::contactsPageScene, [](ContactsPage&) {});
    platform::RunLoop::main().advanceUntil([&page] { return !page->contacts().empty(); }, 5);
    std::cout << "  " << page->contacts().size() << " contacts in " << page->sectionTitles().size() << " sections\n";
    walk.draw("contacts-1-list");
    if (scrolling) {
        walk.scroll(500);
        walk.draw("contacts-2-further-down");
        walk.scrollToTheEndOnItsSide();
        walk.drawUpright("contacts-3-to-the-end-on-its-side-then-upright");
        walk.scroll(-400);
        walk.scroll(-400);
    }
    // Chloé Dubois, alone in section "D", has three addresses.
    const auto chloe = contactRow(*page, page->titleIndexDict().at("D"), 0);
    if (!chloe) {
        std::cout << "  The address book's row of Chloé Dubois is not on screen.\n";
        return;
    }
    walk.tap(*chloe->selectionButton.lock());
    walk.draw("contacts-4-three-addresses");
    const auto work = std::dynamic_pointer_cast<CreateTransactionSignerContactEmailCell>(
        chloe->tableView.lock()->cellForRow({0, 0}));
    walk.tap(*work->selectionButton.lock());
    walk.draw("contacts-5-recipient-filled");

    settings->setAuthorizationStatus(AuthorizationStatus::denied);
    const auto refused = walk.open<ContactsPage>(SignerSetupScenes::contactsPageScene, [](ContactsPage&) {});
    walk.draw("contacts-6-refused-alert");
    if (const auto alert = std::dynamic_pointer_cast<platform::ui::AlertController>(refused->presentedViewController())) {
        walk.tap(*alert->buttonForAction("Later"));
    }
    walk.draw("contacts-7-refused");
    walk.tap(*refused->backButton);
}

void walkGroups(PickersWalk& walk)
{
    const std::vector<std::shared_ptr<ZKGroup>> groups{
        std::make_shared<ZKGroup>("G-LEGAL", true, "Legal", "legal@harbourview.example"),
        std::make_shared<ZKGroup>("G-FIN", false, "Finance", "finance@harbourview.example"),
        std::make_shared<ZKGroup>("G-BOARD", false, "Board of Directors", "board@harbourview.example")};
    const auto page = walk.open<GroupsPage>(SignerSetupScenes::groupsPageScene, [&groups](GroupsPage& picker) {
        picker.groupList = groups;
        picker.selectedGroupIndex = 0;
    });
    walk.draw("groups-1-list");
    walk.tap(*page->tableView.lock()->cellForRow({0, 2}));
    walk.draw("groups-2-recipient-is-a-group");
}

void walkMessage(PickersWalk& walk)
{
    const auto page = walk.open<MessagePage>(SignerSetupScenes::personalMessagePageScene, [](MessagePage& opened) {
        opened.signerFullName = "Chloé Dubois";
    });
    walk.draw("message-1-opened");
    walk.tap(*page->messageTextView.lock());
    walk.type("Chloé, the plans are on pages 2 to 4. Please initial each page.");
    walk.draw("message-2-written");
    walk.tap(*page->addButton.lock());
    walk.draw("message-3-recipient-complete");
}

// The three pickers on one device, over a recipient card of its own. The phone with a
// notch, where only the pages' layout is new, skips the scrolling.
void walkOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(profile);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    const auto card = std::make_shared<RecipientCard>();
    card->registerUnwindAction(SignerSetupScenes::unwindToAddSignerPageAction, [](platform::ui::StoryboardSegue& segue) {
        std::cout << "  back on the recipient by " << segue.identifier() << "\n";
    });
    const auto navigation = std::make_shared<platform::ui::NavigationController>(card);
    navigation->setNavigationBarHidden(true, false);
    // The card paints its status strip by the key window's insets, so the window is key
    // before the card loads.
    const auto window = std::make_shared<platform::ui::Window>();
    window->makeKeyAndVisible();
    window->setRootViewController(navigation);
    PickersWalk walk(folder, window, navigation, card);
    walkContacts(walk, profile != platform::ui::DeviceProfile::phoneWithNotch);
    walkGroups(walk);
    walkMessage(walk);
}

void run(const host::DemoContext& context)
{
    CreateTransactionStoryboard::registerScenes();
    SignerSetupScenes::registerScenes();
    const auto folder = context.outputDirectory / "signers";
    host::walkOnEachDevice(context, folder, walkOn);
}

host::DemoRegistration registration(85, "Signer setup: contacts, groups and a personal message", run,
                                    host::WalksDevices{});

} // namespace

#include "SignerSetupScreenTest.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "contacts/ContactStoreSettings.h"
#include "contacts/VCardWriter.h"
#include "foundation/AtomicFile.h"
#include "foundation/RunLoop.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/Screen.h"
#include "ui/Storyboard.h"

#include <algorithm>

namespace signers_screens_testing {

void TestOpener::newSignerSelectedFromPhonebook(const std::optional<std::string>& name,
                                                const std::optional<std::string>& familiyName,
                                                const std::optional<std::string>& email,
                                                const std::optional<std::string>& company,
                                                const std::optional<std::string>& jobTitle)
{
    events.push_back("contact");
    contacts.push_back({name, familiyName, email, company, jobTitle});
}

void TestOpener::setSelectedGroup(const std::shared_ptr<ZKGroup>& group)
{
    events.push_back("selectedGroup");
    selectedGroup = group;
}

void TestOpener::setSignerType(CreateTransactionSignerType type)
{
    events.push_back("signerType");
    signerType = type;
}

void TestOpener::updateUIForSignerType(CreateTransactionSignerType type)
{
    events.push_back(std::string("updateUIForSignerType ") + glyphForSignerType(type));
}

void TestOpener::populateUIForSelectedGroup()
{
    events.push_back("populateUIForSelectedGroup");
}

void TestOpener::manageAddButtonAvailability()
{
    events.push_back("manageAddButtonAvailability");
}

void TestOpener::newPersonalMessageAvailable(const std::optional<std::string>& message)
{
    events.push_back("message");
    messages.push_back(message);
}

void SignerSetupScreenTest::SetUp()
{
    VeltraTest::SetUp();
    CreateTransactionStoryboard::registerScenes();
    SignerSetupScenes::registerScenes();
    platform::contacts::ContactStoreSettings::shared()->setDirectory(home() / "AddressBook");
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    opener = std::make_shared<TestOpener>();
    opener->registerUnwindAction(SignerSetupScenes::unwindToAddSignerPageAction,
                                 [this](platform::ui::StoryboardSegue& segue) {
                                     opener->events.push_back("unwind " + segue.identifier());
                                 });
    navigation = std::make_shared<platform::ui::NavigationController>(opener);
    navigation->setNavigationBarHidden(true, false);
    window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    fingers = std::make_unique<platform::ui::TouchInjector>(window);
    settle();
}

void SignerSetupScreenTest::TearDown()
{
    fingers.reset();
    VeltraTest::TearDown();
}

std::shared_ptr<platform::ui::ViewController> SignerSetupScreenTest::instantiate(const char* scene) const
{
    const auto storyboard = CreateTransactionStoryboard::named();
    return storyboard ? storyboard->instantiateViewController(scene) : nullptr;
}

void SignerSetupScreenTest::push(const std::shared_ptr<platform::ui::ViewController>& page)
{
    navigation->pushViewController(page, true);
    settle();
}

void writeAddressBookIn(const std::filesystem::path& home, const std::vector<platform::contacts::Contact>& contacts)
{
    std::filesystem::create_directories(home / "AddressBook");
    platform::AtomicFile::write(home / "AddressBook" / "contacts.vcf",
                                platform::contacts::VCardWriter::write(contacts, platform::contacts::VCardVersion::v3_0));
}

platform::contacts::Contact person(const std::string& firstName, const std::string& lastName,
                                   const std::vector<std::string>& emails)
{
    platform::contacts::Contact contact;
    contact.givenName = firstName;
    contact.familyName = lastName;
    for (const auto& email : emails) {
        contact.emailAddresses.push_back({"work", email});
    }
    return contact;
}

void SignerSetupScreenTest::tap(const platform::ui::View& view)
{
    touch(view);
    settle();
}

void SignerSetupScreenTest::touch(const platform::ui::View& view)
{
    window->layoutIfNeeded();
    fingers->tap(view);
}

void SignerSetupScreenTest::settle(double seconds)
{
    platform::RunLoop::main().advance(seconds);
    window->layoutIfNeeded();
}

bool shownToAPerson(const platform::ui::View& view)
{
    if (!view.window()) {
        return false;
    }
    for (const platform::ui::View* current = &view; current; current = current->superviewPointer()) {
        if (current->isHidden() || current->alpha() < 0.01) {
            return false;
        }
    }
    return true;
}

void scrollToTheEnd(platform::ui::TouchInjector& fingers, const platform::ui::ScrollView& scroll)
{
    fingers.window()->layoutIfNeeded();
    const auto form = scroll.convertRectTo(scroll.bounds(), nullptr);
    const double x = form.midX();
    for (int drag = 0; drag < 100; ++drag) {
        const double before = scroll.contentOffset().y;
        fingers.pan({{x, form.minY() + 150}, {x, form.minY() + 100}, {x, form.minY() + 50}, {x, form.minY() + 10}});
        if (scroll.contentOffset().y == before) {
            return;
        }
    }
}

bool scrolledWithinContent(const platform::ui::ScrollView& scroll)
{
    const double top = scroll.contentOffset().y;
    const double lastTop = std::max(0.0, scroll.contentSize().height - scroll.bounds().height());
    return top >= 0 && top <= lastTop;
}

std::shared_ptr<platform::ui::ViewController> SignerSetupScreenTest::topPage() const
{
    const auto top = navigation->topViewController();
    return top == opener ? nullptr : top;
}

} // namespace signers_screens_testing

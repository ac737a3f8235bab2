#include "AddSignerPageTest.h"

#include "composer/screens/CreateTransactionAddRecipientCell.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "foundation/RunLoop.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "service/ZKIdentity.h"
#include "ui/Animator.h"
#include "ui/Screen.h"

namespace signers_screens_testing {

void AddSignerPageTest::SetUp()
{
    VeltraTest::SetUp();
    if (withStandInPages()) {
        registerStandInPages();
    } else {
        removeStandInPages();
    }
    model = VLTNewTransactionViewModel::sharedInstance();
    signIn(Dictionary{{"email", "sam@example.com"},
                      {"firstName", "Sam"},
                      {"lastName", "Sender"},
                      {"title", "Owner"},
                      {"company", "Sender Ltd"},
                      {"uid", "uid-sam"}});
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    const auto root = std::make_shared<platform::ui::ViewController>();
    navigation = std::make_shared<platform::ui::NavigationController>(root);
    window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    fingers = std::make_unique<platform::ui::TouchInjector>(window);
    Veltra::dashboard()->setRootViewController(root);
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName(std::string("Offer"));
    ASSERT_TRUE(Veltra::dashboard()->createAndStartEditWithTransaction(transaction, true, true, true));
    settle();
    mainPage = std::dynamic_pointer_cast<CreateTransactionAddDocsAndSignersPage>(navigation->topViewController());
    ASSERT_NE(mainPage, nullptr);
}

void AddSignerPageTest::TearDown()
{
    page.reset();
    mainPage.reset();
    fingers.reset();
    removeStandInPages();
    VeltraTest::TearDown();
}

void AddSignerPageTest::signIn(const Dictionary& identity)
{
    ZKIdentity::sharedInstance()->recordUser(identity);
}

void AddSignerPageTest::addRecipient(const Dictionary& input)
{
    ASSERT_EQ(model->addSignerAtIndex(input, model->signersNumber()), VLTNewTransactionViewModel::accepted);
}

void AddSignerPageTest::addAccountGroups(const std::vector<std::shared_ptr<ZKGroup>>& groups)
{
    model->setGroups(groups);
}

std::shared_ptr<AddSignerPageTest::Page> AddSignerPageTest::openToAdd()
{
    const auto row = std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(
        mainPage->tableView.lock()->cellForRow({0, CreateTransactionAddDocsAndSignersPage::Row::addRecipient}));
    EXPECT_NE(row, nullptr);
    tap(*row->addRecipientsButton.lock());
    settle();
    page = std::dynamic_pointer_cast<Page>(topOfAddPage());
    return page;
}

// As the recipient list does when a row is tapped.
std::shared_ptr<AddSignerPageTest::Page> AddSignerPageTest::openToEdit(int index)
{
    mainPage->setSelectedSignerIndex(index);
    mainPage->performSegueWithIdentifierSender(CreateTransactionStoryboard::toAddSignerPageSegue, mainPage);
    settle();
    page = std::dynamic_pointer_cast<Page>(topOfAddPage());
    return page;
}

std::shared_ptr<platform::ui::ViewController> AddSignerPageTest::topOfAddPage() const
{
    const auto opened = std::dynamic_pointer_cast<platform::ui::NavigationController>(mainPage->presentedViewController());
    return opened ? opened->topViewController() : nullptr;
}

void AddSignerPageTest::tap(const platform::ui::View& view)
{
    window->layoutIfNeeded();
    fingers->tap(view);
}

void AddSignerPageTest::type(const std::weak_ptr<platform::ui::TextField>& field, const std::string& text)
{
    tap(*field.lock());
    fingers->typeText(text);
}

void AddSignerPageTest::typeDetails(const std::string& firstName, const std::string& lastName,
                                    const std::string& email)
{
    type(page->firstNameTextField, firstName);
    type(page->lastNameTextField, lastName);
    type(page->emailTextField, email);
}

void AddSignerPageTest::tapBeside()
{
    tap(*page->errorLabel.lock());
}

void AddSignerPageTest::settle(double seconds)
{
    platform::RunLoop::main().advance(seconds);
    window->layoutIfNeeded();
}

int AddSignerPageTest::shakesOf(const platform::ui::View& view)
{
    int shakes = 0;
    for (const auto& animation : platform::ui::Animator::shared().history()) {
        if (animation->keyframes.size() == 6 && animation->touches(view, "center")) {
            ++shakes;
        }
    }
    return shakes;
}

} // namespace signers_screens_testing

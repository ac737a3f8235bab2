#include "AuthenticationPageTest.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "foundation/RunLoop.h"
#include "sdk/facade/Veltra.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/Screen.h"
#include "ui/Storyboard.h"

namespace signers_screens_testing {

AuthenticationTestOpener::AuthenticationTestOpener()
{
    registerUnwindAction(SignerSetupScenes::unwindToAddSignerPageAction,
                         [this](platform::ui::StoryboardSegue&) { ++unwinds; });
}

void AuthenticationTestOpener::viewDidLoad()
{
    navigationController()->setNavigationBarHidden(true, false);
}

void AuthenticationPageTest::SetUp()
{
    VeltraTest::SetUp();
    Veltra::dashboard();
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    opener = std::make_shared<AuthenticationTestOpener>();
    navigation = std::make_shared<platform::ui::NavigationController>(opener);
    window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    fingers = std::make_unique<platform::ui::TouchInjector>(window);
    settle();
}

void AuthenticationPageTest::TearDown()
{
    fingers.reset();
    VeltraTest::TearDown();
}

std::shared_ptr<AuthenticationPageTest::Picker> AuthenticationPageTest::openPicker(const Method& method)
{
    const auto storyboard = CreateTransactionStoryboard::named();
    picker = std::dynamic_pointer_cast<Picker>(
        storyboard->instantiateViewController(SignerSetupScenes::authenticationMethodsPageScene));
    EXPECT_NE(picker, nullptr);
    opener->method = method;
    picker->setAuthenticationMethod(method);
    picker->setDelegate(opener);
    navigation->pushViewController(picker, true);
    settle();
    return picker;
}

std::shared_ptr<AuthenticationPageTest::QAPage> AuthenticationPageTest::openQAPage(const Method& method)
{
    openPicker(method);
    tap(*picker->qaButton.lock());
    settle();
    return std::dynamic_pointer_cast<QAPage>(top());
}

std::shared_ptr<AuthenticationPageTest::SMSPage> AuthenticationPageTest::openSMSPage(const Method& method)
{
    openPicker(method);
    tap(*picker->smsButton.lock());
    settle();
    return std::dynamic_pointer_cast<SMSPage>(top());
}

void AuthenticationPageTest::tap(const platform::ui::View& view)
{
    window->layoutIfNeeded();
    fingers->tap(view);
}

void AuthenticationPageTest::type(platform::ui::TextField& field, const std::string& text)
{
    if (!field.isFirstResponder()) {
        tap(field);
    }
    fingers->typeText(text);
}

void AuthenticationPageTest::settle(double seconds)
{
    platform::RunLoop::main().advance(seconds);
    window->layoutIfNeeded();
}

bool AuthenticationPageTest::isShown(const platform::ui::View& view)
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

std::vector<std::string> AuthenticationPageTest::checkedRows() const
{
    std::vector<std::string> rows;
    const std::pair<const char*, std::weak_ptr<platform::ui::Label>> marks[] = {
        {"email", picker->emailCheckMark}, {"qa", picker->questionAndAnswerCheckMark}, {"sms", picker->smsCheckMark}};
    for (const auto& [name, mark] : marks) {
        if (isShown(*mark.lock())) {
            rows.push_back(name);
        }
    }
    return rows;
}

} // namespace signers_screens_testing

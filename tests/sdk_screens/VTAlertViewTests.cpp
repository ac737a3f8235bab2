#include "support/VeltraTest.h"

#include "foundation/RunLoop.h"
#include "sdk/screens/VTAlertView.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <algorithm>
#include <atomic>
#include <thread>

using platform::ui::Button;
using platform::ui::DeviceProfile;
using platform::ui::Screen;
using platform::ui::TouchInjector;

namespace {

// A host screen with one button of its own under whatever the overlay shows.
class VTAlertViewTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        root = std::make_shared<platform::ui::ViewController>();
        hostButton = std::make_shared<Button>(platform::graphics::makeRect(100, 300, 120, 44));
        hostButton->setTitle("Host");
        hostButton->addAction(platform::ui::ControlEvent::touchUpInside, [this](auto&) { ++hostTaps; });
        root->view()->addSubview(hostButton);
        window = std::make_shared<platform::ui::Window>();
        window->setRootViewController(root);
        window->makeKeyAndVisible();
    }

    std::shared_ptr<platform::ui::ViewController> root;
    std::shared_ptr<Button> hostButton;
    std::shared_ptr<platform::ui::Window> window;
    int hostTaps = 0;
};

TEST_F(VTAlertViewTest, BlockingMessageCoversTheWindowUntilHidden)
{
    const auto alerts = VTAlertView::sharedInstance();
    alerts->hideBlockingMessage();
    EXPECT_FALSE(alerts->isShowingBlockingMessage());

    alerts->showBlockingMessage("Adding to Transaction...");
    ASSERT_TRUE(alerts->isShowingBlockingMessage());
    const auto shown = alerts->blockingMessageView();
    EXPECT_EQ(window->subviews().back(), shown);
    EXPECT_EQ(shown->frame(), window->bounds());
    EXPECT_EQ(shown->messageLabel()->displayedText(), "Adding to Transaction...");
    EXPECT_TRUE(shown->box()->frame().contains(window->bounds().center()));

    TouchInjector fingers;
    fingers.tap(*hostButton);
    EXPECT_EQ(hostTaps, 0);

    alerts->showBlockingMessage("Loading Transaction...");
    EXPECT_EQ(alerts->blockingMessageView(), shown);
    EXPECT_EQ(shown->messageLabel()->displayedText(), "Loading Transaction...");
    EXPECT_EQ(std::count(window->subviews().begin(), window->subviews().end(), shown), 1);

    alerts->hideBlockingMessage();
    EXPECT_FALSE(alerts->isShowingBlockingMessage());
    EXPECT_EQ(shown->window(), nullptr);
    fingers.tap(*hostButton);
    EXPECT_EQ(hostTaps, 1);
    alerts->hideBlockingMessage();
    EXPECT_FALSE(alerts->isShowingBlockingMessage());
}

TEST_F(VTAlertViewTest, AShowingHidesTheBlockingMessageOnlyUntilItIsShownAnew)
{
    const auto alerts = VTAlertView::sharedInstance();
    const auto earlier = alerts->showBlockingMessage("Adding to Transaction...");
    const auto later = alerts->showBlockingMessage("Loading Transaction...");
    alerts->hideBlockingMessage(earlier);
    ASSERT_TRUE(alerts->isShowingBlockingMessage());
    EXPECT_EQ(alerts->blockingMessageView()->messageLabel()->displayedText(), "Loading Transaction...");
    TouchInjector fingers;
    fingers.tap(*hostButton);
    EXPECT_EQ(hostTaps, 0);

    alerts->hideBlockingMessage(later);
    EXPECT_FALSE(alerts->isShowingBlockingMessage());
    fingers.tap(*hostButton);
    EXPECT_EQ(hostTaps, 1);

    // A message hidden by someone else and shown anew is the new showing's.
    const auto hiddenByOthers = alerts->showBlockingMessage("Adding to Transaction...");
    alerts->hideBlockingMessage();
    alerts->showBlockingMessage("Loading Transaction...");
    alerts->hideBlockingMessage(hiddenByOthers);
    EXPECT_TRUE(alerts->isShowingBlockingMessage());
}

TEST_F(VTAlertViewTest, BlockingTextIsSmallerOnPhonesThanOnTablets)
{
    const auto alerts = VTAlertView::sharedInstance();
    for (const auto profile : {DeviceProfile::phone, DeviceProfile::phoneWithNotch}) {
        Screen::main().setDeviceProfile(profile);
        alerts->showBlockingMessage("Please wait");
        EXPECT_DOUBLE_EQ(alerts->blockingMessageView()->messageLabel()->font().size(),
                         0.75 * VTBlockingMessageView::messageFontSize);
        alerts->hideBlockingMessage();
    }
    Screen::main().setDeviceProfile(DeviceProfile::tablet);
    alerts->showBlockingMessage("Please wait");
    EXPECT_DOUBLE_EQ(alerts->blockingMessageView()->messageLabel()->font().size(),
                     VTBlockingMessageView::messageFontSize);
}

TEST_F(VTAlertViewTest, ErrorAlertButtonClosesItAndThenRunsTheAction)
{
    const auto alerts = VTAlertView::sharedInstance();
    bool closedBeforeAction = false;
    int actions = 0;
    alerts->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(
        "Error", "2 contant(s) were not added.", "OK", [&] {
            ++actions;
            closedBeforeAction = alerts->errorAlertView() == nullptr;
        });
    const auto alert = alerts->errorAlertView();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(window->subviews().back(), alert);
    EXPECT_EQ(alert->titleLabel()->displayedText(), "Error");
    EXPECT_EQ(alert->messageLabel()->displayedText(), "2 contant(s) were not added.");
    EXPECT_EQ(alert->button()->currentTitle(), "OK");

    TouchInjector fingers;
    fingers.tap(*hostButton);
    fingers.tap(platform::graphics::Point{5, 5});
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(alerts->errorAlertView(), alert);

    fingers.tap(*alert->button());
    EXPECT_EQ(actions, 1);
    EXPECT_TRUE(closedBeforeAction);
    EXPECT_EQ(alert->window(), nullptr);
    fingers.tap(*hostButton);
    EXPECT_EQ(hostTaps, 1);

    alerts->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction("Error", "No action", "OK");
    fingers.tap(*alerts->errorAlertView()->button());
    EXPECT_EQ(alerts->errorAlertView(), nullptr);
    EXPECT_EQ(actions, 1);
}

TEST_F(VTAlertViewTest, AlertsAskedWhileOneIsShownWaitTheirTurnAndKeepTheirActions)
{
    const auto alerts = VTAlertView::sharedInstance();
    std::vector<std::string> ran;
    alerts->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction("First", "", "OK",
                                                                              [&] { ran.push_back("first"); });
    alerts->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction("Second", "", "Close",
                                                                              [&] { ran.push_back("second"); });
    EXPECT_EQ(alerts->errorAlertView()->titleLabel()->displayedText(), "First");
    EXPECT_EQ(alerts->waitingErrorAlertCount(), 1u);

    TouchInjector fingers;
    fingers.tap(*alerts->errorAlertView()->button());
    EXPECT_EQ(ran, std::vector<std::string>{"first"});
    ASSERT_NE(alerts->errorAlertView(), nullptr);
    EXPECT_EQ(alerts->errorAlertView()->titleLabel()->displayedText(), "Second");
    EXPECT_EQ(alerts->errorAlertView()->button()->currentTitle(), "Close");

    fingers.tap(*alerts->errorAlertView()->button());
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(alerts->errorAlertView(), nullptr);
    EXPECT_EQ(alerts->waitingErrorAlertCount(), 0u);
}

TEST_F(VTAlertViewTest, NewestOverlayIsOnTopAndAlertStaysAfterBlockingMessageEnds)
{
    const auto alerts = VTAlertView::sharedInstance();
    int actions = 0;
    alerts->showBlockingMessage("Adding to Transaction...");
    alerts->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction("Error", "", "OK", [&] { ++actions; });
    EXPECT_EQ(window->subviews().back(), alerts->errorAlertView());
    alerts->hideBlockingMessage();

    TouchInjector fingers;
    fingers.tap(*alerts->errorAlertView()->button());
    EXPECT_EQ(actions, 1);
}

TEST_F(VTAlertViewTest, CallsFromAnotherThreadAreShownOnTheMainThread)
{
    const auto alerts = VTAlertView::sharedInstance();
    std::atomic<bool> done = false;
    std::thread worker([&] {
        alerts->showBlockingMessage("Working");
        done = true;
    });
    EXPECT_TRUE(waitFor([&] { return done.load(); }));
    worker.join();
    EXPECT_TRUE(alerts->isShowingBlockingMessage());
    EXPECT_EQ(window->subviews().back(), alerts->blockingMessageView());
}

TEST_F(VTAlertViewTest, WithoutKeyWindowNothingIsShownAndTheRequestIsLogged)
{
    window.reset();
    root.reset();
    ASSERT_EQ(platform::ui::Application::shared().keyWindow(), nullptr);
    const auto alerts = VTAlertView::sharedInstance();
    alerts->showBlockingMessage("Working");
    alerts->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction("Error", "", "OK", [] {});
    EXPECT_FALSE(alerts->isShowingBlockingMessage());
    EXPECT_EQ(alerts->errorAlertView(), nullptr);
    EXPECT_EQ(alerts->waitingErrorAlertCount(), 0u);
    EXPECT_EQ(std::count_if(logLines().begin(), logLines().end(),
                            [](const std::string& line) { return line.find("no key window") != std::string::npos; }),
              2);
}

} // namespace

TEST_F(VTAlertViewTest, AnAlertTurnsWithTheScreenAndItsButtonStaysInReach)
{
    const auto alerts = VTAlertView::sharedInstance();
    int actions = 0;
    alerts->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction("Error", "Not added.", "OK",
                                                                            [&actions] { ++actions; });
    const auto alert = alerts->errorAlertView();
    ASSERT_NE(alert, nullptr);
    for (const auto orientation :
         {platform::ui::InterfaceOrientation::landscapeLeft, platform::ui::InterfaceOrientation::portrait,
          platform::ui::InterfaceOrientation::landscapeRight}) {
        Screen::main().setOrientation(orientation);
        platform::RunLoop::main().advance(0.5);
        EXPECT_EQ(alert->frame(), window->bounds());
        EXPECT_EQ(alert->box()->frame().center(), window->bounds().center());
    }
    TouchInjector().tap(*alert->button());
    EXPECT_EQ(actions, 1);
}

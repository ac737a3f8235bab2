#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"
#include "ui/Animator.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/DatePicker.h"
#include "ui/LayoutConstraint.h"
#include "ui/ScrollView.h"
#include "ui/Switch.h"
#include "ui/TouchInjector.h"
#include "ui/VisualEffectView.h"
#include "ui/Window.h"

using namespace platform::ui;
using platform::Date;
using platform::RunLoop;
using platform::graphics::makeRect;

namespace {

class ControlsTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        window = std::make_shared<Window>();
        window->makeKeyAndVisible();
    }

    std::shared_ptr<Window> window;
};

// A view laid out in code from a constraint's constant, as the scenes are.
class SlidingPanel : public View {
public:
    std::shared_ptr<View> body = std::make_shared<View>();
    LayoutConstraintPtr left = std::make_shared<LayoutConstraint>("left", 0);
    int passes = 0;

    SlidingPanel() : View(makeRect(0, 0, 300, 500)) { addSubview(body); }
    void layoutSubviews() override
    {
        ++passes;
        body->setFrame(makeRect(left->constant(), 0, 257, 500));
    }
};

} // namespace

TEST_F(ControlsTest, ButtonTitlesFallBackToTheNormalStateAndFollowTheState)
{
    Button button(makeRect(0, 0, 100, 40));
    button.setTitle("Add");
    button.setTitle("Wait", ControlState::disabled);
    EXPECT_EQ(button.currentTitle(), "Add");
    button.setEnabled(false);
    EXPECT_EQ(button.titleLabel()->displayedText(), "Wait");
    button.setEnabled(true);
    AttributedString styled("Title");
    styled.append(" x", Font("ios-vlt", 14), Color::white());
    button.setAttributedTitle(styled);
    EXPECT_EQ(button.currentTitle(), "Title x");
    EXPECT_EQ(button.titleLabel()->attributedText(), styled);
}

TEST_F(ControlsTest, ButtonsSwitchesAndDatePickersReportOnlyWhatTheUserDoes)
{
    auto button = std::make_shared<Button>(makeRect(10, 10, 100, 40));
    window->addSubview(button);
    int taps = 0;
    button->addAction(ControlEvent::touchUpInside, [&](Control&) { ++taps; });
    TouchInjector injector(window);
    injector.pan({{50, 30}, {50, 200}, {50, 400}});
    EXPECT_EQ(taps, 0);
    injector.tap(*button);
    EXPECT_EQ(taps, 1);
    button->setEnabled(false);
    injector.tap(*button);
    EXPECT_EQ(taps, 1);

    auto toggle = std::make_shared<Switch>(makeRect(10, 100, 51, 31));
    window->addSubview(toggle);
    std::vector<bool> values;
    toggle->addAction(ControlEvent::valueChanged, [&](Control&) { values.push_back(toggle->isOn()); });
    toggle->setOn(true, true);
    EXPECT_TRUE(values.empty());
    ASSERT_NE(Animator::shared().lastAnimation(*toggle, "on"), nullptr);
    injector.tap(*toggle);
    EXPECT_EQ(values, std::vector<bool>{false});

    DatePicker picker;
    int changes = 0;
    picker.addAction(ControlEvent::valueChanged, [&](Control&) { ++changes; });
    const Date now(1'800'000'000);
    picker.setMinimumDate(now);
    picker.setDate(Date(1'700'000'000));
    EXPECT_EQ(picker.date(), now);
    EXPECT_EQ(changes, 0);
    TouchInjector().pickDate(picker, now.byAdding(-60));
    EXPECT_EQ(picker.date(), now);
    EXPECT_EQ(changes, 1);
    picker.pick(now.byAdding(3600));
    EXPECT_EQ(picker.date(), now.byAdding(3600));
}

TEST_F(ControlsTest, ScrollViewsScrollRectanglesIntoViewWithinTheirContentAndPanOnlyWhileEnabled)
{
    auto scroll = std::make_shared<ScrollView>(makeRect(0, 0, 300, 400));
    scroll->setContentSize({300, 1000});
    scroll->scrollRectToVisible(makeRect(0, 500, 300, 50), false);
    EXPECT_EQ(scroll->contentOffset().y, 150);
    scroll->scrollRectToVisible(makeRect(0, 200, 300, 50), false);
    EXPECT_EQ(scroll->contentOffset().y, 150);
    scroll->scrollRectToVisible(makeRect(0, 0, 1, 1), true);
    EXPECT_EQ(scroll->contentOffset().y, 0);
    EXPECT_NE(Animator::shared().lastAnimation(*scroll, "bounds"), nullptr);
    scroll->scrollRectToVisible(makeRect(0, 990, 10, 100), false);
    EXPECT_EQ(scroll->contentOffset().y, 600);
    scroll->setContentInset({0, 0, 216, 0});
    EXPECT_EQ(scroll->clampedOffset({0, 5000}).y, 816);
    EXPECT_EQ(scroll->clampedOffset({0, -50}).y, 0);

    scroll->setContentOffset({0, 0});
    window->addSubview(scroll);
    scroll->setScrollEnabled(false);
    TouchInjector injector(window);
    injector.pan({{100, 350}, {100, 250}, {100, 150}});
    EXPECT_EQ(scroll->contentOffset().y, 0);
    scroll->setScrollEnabled(true);
    injector.pan({{100, 350}, {100, 250}, {100, 150}});
    EXPECT_EQ(scroll->contentOffset().y, 200);
}

TEST_F(ControlsTest, AScrollViewAtItsEndComesBackWithinItsContentWhenItsSizeContentOrInsetsChange)
{
    auto scroll = std::make_shared<ScrollView>(makeRect(0, 0, 300, 400));
    scroll->setContentSize({300, 1000});
    scroll->setContentOffset({0, 600});
    scroll->setFrame(makeRect(0, 0, 300, 700));
    EXPECT_EQ(scroll->contentOffset().y, 300) << "grown taller";
    scroll->setContentSize({300, 800});
    EXPECT_EQ(scroll->contentOffset().y, 100) << "content shrunk";
    scroll->setContentSize({300, 500});
    EXPECT_EQ(scroll->contentOffset().y, 0) << "content shorter than the view rests at the top";

    scroll->setFrame(makeRect(0, 0, 300, 400));
    scroll->setContentSize({300, 1000});
    scroll->setContentInset({0, 0, 216, 0});
    scroll->setContentOffset({0, 816});
    scroll->setContentInset({});
    EXPECT_EQ(scroll->contentOffset().y, 600) << "the bottom inset went back to 0";
    scroll->setContentInset({64, 0, 0, 0});
    scroll->setContentOffset({0, -64});
    scroll->setContentSize({300, 1200});
    EXPECT_EQ(scroll->contentOffset().y, -64) << "an offset within the top inset is kept";

    // An offset set on purpose stands until something changes.
    scroll->setContentOffset({0, 5000});
    EXPECT_EQ(scroll->contentOffset().y, 5000);
    scroll->setContentSize({300, 1200});
    EXPECT_EQ(scroll->contentOffset().y, 5000) << "the same size again is no change";

    auto wide = std::make_shared<ScrollView>(makeRect(0, 0, 300, 400));
    wide->setContentSize({900, 400});
    wide->setContentOffset({600, 0});
    wide->setFrame(makeRect(0, 0, 500, 400));
    EXPECT_EQ(wide->contentOffset(), (Point{400, 0}));
    wide->setContentInset({0, 20, 0, 0});
    wide->setContentSize({200, 400});
    EXPECT_EQ(wide->contentOffset(), (Point{-20, 0}));
}

TEST_F(ControlsTest, AChangeDuringADragOrAnAnimatedScrollWaitsForItToEnd)
{
    auto scroll = std::make_shared<ScrollView>(makeRect(0, 0, 300, 400));
    auto row = std::make_shared<View>(makeRect(0, 0, 300, 1000));
    scroll->addSubview(row);
    scroll->setContentSize({300, 1000});
    window->addSubview(scroll);
    scroll->setContentOffset({0, 600});

    TouchInjector fingers(window);
    const auto finger = fingers.touchDown({150, 300});
    fingers.touchMove(finger, {150, 320});
    fingers.touchMove(finger, {150, 330});
    ASSERT_EQ(scroll->contentOffset().y, 570);
    scroll->setFrame(makeRect(0, 0, 300, 600));
    EXPECT_EQ(scroll->contentOffset().y, 570) << "left alone under the finger";
    fingers.touchUp(finger);
    EXPECT_EQ(scroll->contentOffset().y, 400);

    scroll->setContentOffset({0, 0});
    scroll->setContentOffset({0, 400}, true);
    scroll->setContentSize({300, 800});
    EXPECT_EQ(scroll->contentOffset().y, 400) << "left alone while it scrolls";
    RunLoop::main().advance(ScrollView::animationDuration);
    EXPECT_EQ(scroll->contentOffset().y, 200);

    // With nothing changed under it, an animated scroll ends where it was sent.
    scroll->setContentOffset({0, 300}, true);
    RunLoop::main().advance(ScrollView::animationDuration);
    EXPECT_EQ(scroll->contentOffset().y, 300);
}

TEST_F(ControlsTest, TallContentShowsAScrollIndicatorOverItsRowsForAMomentAfterAFlashOrAScroll)
{
    auto scroll = std::make_shared<ScrollView>(makeRect(0, 0, 300, 400));
    auto row = std::make_shared<View>(makeRect(0, 0, 300, 1600));
    row->setBackgroundColor(Color::white());
    scroll->addSubview(row);
    scroll->setContentSize({300, 400});
    window->addSubview(scroll);
    scroll->flashScrollIndicators();
    EXPECT_FALSE(scroll->verticalScrollIndicatorFrame());

    scroll->setContentSize({300, 1600});
    scroll->flashScrollIndicators();
    const auto indicator = scroll->verticalScrollIndicatorFrame();
    ASSERT_TRUE(indicator);
    // A quarter of its track long, at the top while the offset is 0.
    EXPECT_DOUBLE_EQ(indicator->height(), (400 - 6) / 4.0);
    const auto image = scroll->snapshotImage(1);
    EXPECT_NE(image->pixelAt(295, 20), image->pixelAt(150, 20));

    RunLoop::main().advance(ScrollView::indicatorShowDuration);
    EXPECT_FALSE(scroll->verticalScrollIndicatorFrame());

    TouchInjector injector(window);
    injector.pan({{100, 350}, {100, 200}, {100, 50}});
    const auto scrolled = scroll->verticalScrollIndicatorFrame();
    ASSERT_TRUE(scrolled);
    // 300 of the 1200 points it can travel: a quarter of the way down its track.
    EXPECT_DOUBLE_EQ(scrolled->minY() - scroll->contentOffset().y, 3 + (394 - 98.5) / 4);
}

TEST_F(ControlsTest, ConstraintChangesAndVisualEffectsAnimateInsideABlockAndTheApplicationPostsForegroundTransitions)
{
    auto panel = std::make_shared<SlidingPanel>();
    panel->left->setView(panel);
    window->addSubview(panel);
    window->layoutIfNeeded();
    EXPECT_EQ(panel->body->frame().minX(), 0);

    panel->left->setConstant(-196);
    EXPECT_TRUE(panel->needsLayout());
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(panel->body->frame().minX(), -196);

    bool finished = false;
    Animator::animate(0.2, [&] {
        panel->left->setConstant(0);
        panel->layoutIfNeeded();
    }, [&](bool done) { finished = done; });
    EXPECT_EQ(panel->body->frame().minX(), 0);
    EXPECT_DOUBLE_EQ(Animator::shared().lastAnimation(*panel->body, "center")->duration, 0.2);
    RunLoop::main().advance(0.2);
    EXPECT_TRUE(finished);

    VisualEffectView blur;
    Animator::animate(0.4, [&] { blur.setEffect(VisualEffect{BlurStyle::light}); });
    EXPECT_EQ(blur.effect(), VisualEffect{BlurStyle::light});
    EXPECT_DOUBLE_EQ(Animator::shared().lastAnimation(blur, "effect")->duration, 0.4);
    blur.setEffect(std::nullopt);
    EXPECT_FALSE(blur.effect().has_value());

    int foregrounds = 0;
    platform::NotificationCenter::defaultCenter().addObserver(
        ApplicationNotifications::willEnterForeground, [&](const platform::Notification&) { ++foregrounds; });
    EXPECT_TRUE(Application::shared().openURL(Application::openSettingsURLString));
    EXPECT_FALSE(Application::shared().openURL(""));
    EXPECT_EQ(Application::shared().openedURLs(), std::vector<std::string>{"app-settings:"});
    Application::shared().enterForeground();
    EXPECT_EQ(foregrounds, 1);
    EXPECT_EQ(Application::shared().keyWindow(), window);
}

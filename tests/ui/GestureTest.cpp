#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"
#include "ui/Button.h"
#include "ui/LongPressGestureRecognizer.h"
#include "ui/PanGestureRecognizer.h"
#include "ui/ScrollView.h"
#include "ui/SwipeGestureRecognizer.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

class GestureTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        window = std::make_shared<Window>();
        window->makeKeyAndVisible();
        area = std::make_shared<View>(makeRect(0, 0, 375, 600));
        window->addSubview(area);
    }

    template <class Recognizer>
    std::shared_ptr<Recognizer> attach(std::vector<GestureState>& states)
    {
        auto recognizer = std::make_shared<Recognizer>([&states](GestureRecognizer& gesture) {
            states.push_back(gesture.state());
        });
        area->addGestureRecognizer(recognizer);
        return recognizer;
    }

    std::shared_ptr<Window> window;
    std::shared_ptr<View> area;
};

class Gate : public GestureRecognizerDelegate {
public:
    bool allow = false;
    int asked = 0;
    bool gestureRecognizerShouldBegin(GestureRecognizer&) override
    {
        ++asked;
        return allow;
    }
};

} // namespace

TEST_F(GestureTest, PanReportsTranslationAndVelocityAndAsksShouldBeginWhoseRefusalFails)
{
    std::vector<GestureState> states;
    auto pan = attach<PanGestureRecognizer>(states);
    Point translation;
    Point velocity;
    pan->addAction([&](GestureRecognizer&) {
        translation = pan->translationInView(area.get());
        velocity = pan->velocityInView(area.get());
    });
    TouchInjector(window).pan({{100, 100}, {105, 100}, {120, 100}, {160, 100}}, 0.1);
    EXPECT_EQ(states.back(), GestureState::ended);
    EXPECT_EQ(translation, (Point{60, 0}));
    EXPECT_NEAR(velocity.x, 400, 1e-6);

    states.clear();
    auto gate = std::make_shared<Gate>();
    pan->setDelegate(gate);
    TouchInjector(window).pan({{100, 100}, {150, 100}, {200, 100}});
    EXPECT_EQ(gate->asked, 1);
    EXPECT_TRUE(states.empty());
    EXPECT_EQ(pan->state(), GestureState::failed);

    gate->allow = true;
    TouchInjector(window).pan({{100, 100}, {150, 100}});
    EXPECT_EQ(states.front(), GestureState::began);
}

TEST_F(GestureTest, DisabledRecognizersAndGoneTargetsSeeNothingAndDisablingCancels)
{
    std::vector<GestureState> states;
    auto tap = attach<TapGestureRecognizer>(states);
    tap->setEnabled(false);
    TouchInjector(window).tap({50, 50});
    EXPECT_TRUE(states.empty());
    tap->setEnabled(true);
    TouchInjector(window).tap({50, 50});
    EXPECT_EQ(states, std::vector<GestureState>{GestureState::ended});
    int calls = 0;
    auto target = std::make_shared<int>(0);
    tap->addTarget(target, [&](GestureRecognizer&) { ++calls; });
    TouchInjector(window).tap({20, 20});
    target.reset();
    TouchInjector(window).tap({20, 20});
    EXPECT_EQ(calls, 1);

    std::vector<GestureState> panStates;
    auto pan = attach<PanGestureRecognizer>(panStates);
    pan->addAction([&](GestureRecognizer& gesture) {
        if (gesture.state() == GestureState::changed) {
            gesture.setEnabled(false);
        }
    });
    TouchInjector(window).pan({{10, 300}, {40, 300}, {80, 300}, {120, 300}});
    EXPECT_EQ(panStates, (std::vector<GestureState>{GestureState::began, GestureState::changed,
                                                    GestureState::cancelled}));
}

TEST_F(GestureTest, SwipesLongPressesAndEdgePansRecogniseOnlyTheirOwnGesture)
{
    std::vector<GestureState> leftStates;
    auto left = attach<SwipeGestureRecognizer>(leftStates);
    left->setDirection(SwipeDirection::left);
    TouchInjector(window).swipe(Point{200, 200}, SwipeDirection::right);
    EXPECT_TRUE(leftStates.empty());
    TouchInjector(window).swipe(Point{200, 200}, SwipeDirection::left);
    EXPECT_EQ(leftStates, std::vector<GestureState>{GestureState::ended});
    TouchInjector(window).pan({{300, 200}, {280, 200}, {250, 200}, {200, 200}, {150, 200}}, 0.3);
    EXPECT_EQ(leftStates.size(), 1u);

    std::vector<GestureState> states;
    auto press = attach<LongPressGestureRecognizer>(states);
    TouchInjector injector(window);
    injector.tap({50, 50});
    EXPECT_TRUE(states.empty());
    injector.longPressAndDrag({50, 50}, {{50, 80}, {50, 120}});
    EXPECT_EQ(states, (std::vector<GestureState>{GestureState::began, GestureState::changed, GestureState::changed,
                                                 GestureState::ended}));
    states.clear();
    injector.pan({{50, 50}, {50, 80}, {50, 120}}, 0.4);
    EXPECT_TRUE(states.empty());

    area->removeGestureRecognizer(*press);
    attach<ScreenEdgePanGestureRecognizer>(states);
    injector.pan({{100, 300}, {150, 300}, {200, 300}});
    EXPECT_TRUE(states.empty());
    injector.edgePan(300, 120);
    EXPECT_EQ(states.back(), GestureState::ended);
}

TEST_F(GestureTest, ATapOnAControlIsItsOwnButARecognisedPanCancelsItsTouchesUnlessToldNot)
{
    auto button = std::make_shared<Button>(makeRect(0, 0, 100, 100));
    area->addSubview(button);
    int taps = 0;
    button->addAction(ControlEvent::touchUpInside, [&](Control&) { ++taps; });
    std::vector<GestureState> states;
    attach<TapGestureRecognizer>(states);
    TouchInjector injector(window);
    injector.tap(*button);
    EXPECT_EQ(taps, 1);
    EXPECT_TRUE(states.empty());
    injector.tap({200, 300});
    EXPECT_EQ(states.size(), 1u);

    std::vector<GestureState> panStates;
    auto pan = attach<PanGestureRecognizer>(panStates);
    injector.pan({{50, 50}, {80, 50}, {90, 50}});
    EXPECT_EQ(taps, 1);
    pan->setCancelsTouchesInView(false);
    injector.pan({{50, 50}, {80, 50}, {90, 50}});
    EXPECT_EQ(taps, 2);
}

TEST_F(GestureTest, AnEdgePanIsAskedFirstAndMayDisableACompetingPan)
{
    std::vector<GestureState> dragStates;
    auto drag = attach<PanGestureRecognizer>(dragStates);
    std::vector<GestureState> edgeStates;
    auto edge = attach<ScreenEdgePanGestureRecognizer>(edgeStates);
    class DisableOther : public GestureRecognizerDelegate {
    public:
        std::shared_ptr<GestureRecognizer> other;
        bool gestureRecognizerShouldBegin(GestureRecognizer&) override
        {
            other->setEnabled(false);
            return true;
        }
    };
    auto gate = std::make_shared<DisableOther>();
    gate->other = drag;
    edge->setDelegate(gate);
    edge->addAction([&](GestureRecognizer& gesture) {
        if (gesture.state() == GestureState::ended) {
            drag->setEnabled(true);
        }
    });
    TouchInjector(window).edgePan(100, 81);
    EXPECT_TRUE(dragStates.empty());
    EXPECT_EQ(edgeStates.back(), GestureState::ended);
    EXPECT_EQ(edge->translationInView(area.get()).x, 81);
    TouchInjector(window).pan({{100, 100}, {150, 100}});
    EXPECT_EQ(dragStates.back(), GestureState::ended);
}

TEST_F(GestureTest, ASidewaysSwipeOnARowInsideAVerticalScrollViewIsASwipe)
{
    auto scroll = std::make_shared<ScrollView>(makeRect(0, 0, 375, 600));
    scroll->setContentSize({375, 2000});
    area->addSubview(scroll);
    auto row = std::make_shared<View>(makeRect(0, 0, 375, 65));
    scroll->addSubview(row);
    std::vector<GestureState> states;
    auto swipe = std::make_shared<SwipeGestureRecognizer>(
        [&](GestureRecognizer& gesture) { states.push_back(gesture.state()); });
    swipe->setDirection(SwipeDirection::left);
    row->addGestureRecognizer(swipe);
    TouchInjector injector(window);
    injector.swipe(Point{300, 30}, SwipeDirection::left);
    EXPECT_EQ(states, std::vector<GestureState>{GestureState::ended});
    EXPECT_EQ(scroll->contentOffset().y, 0);
    injector.pan({{200, 400}, {200, 300}, {200, 200}});
    EXPECT_EQ(scroll->contentOffset().y, 200);
}

TEST_F(GestureTest, TapsOfOneViewCompleteTogetherButADeeperViewsTapWins)
{
    std::vector<GestureState> first;
    std::vector<GestureState> second;
    attach<TapGestureRecognizer>(first);
    attach<TapGestureRecognizer>(second);
    TouchInjector injector(window);
    injector.tap({50, 50});
    EXPECT_EQ(first.size(), 1u);
    EXPECT_EQ(second.size(), 1u);

    auto inner = std::make_shared<View>(makeRect(0, 0, 100, 100));
    area->addSubview(inner);
    int innerTaps = 0;
    inner->addGestureRecognizer(std::make_shared<TapGestureRecognizer>([&](GestureRecognizer&) { ++innerTaps; }));
    injector.tap({50, 50});
    EXPECT_EQ(innerTaps, 1);
    EXPECT_EQ(first.size(), 1u);
}

TEST_F(GestureTest, AViewReleasedDuringItsPanHearsNothingMore)
{
    auto scroll = std::make_shared<ScrollView>(makeRect(0, 0, 300, 300));
    scroll->setContentSize({300, 3000});
    window->addSubview(scroll);
    const std::weak_ptr<View> gone = scroll;
    std::vector<GestureState> states;
    scroll->panGestureRecognizer()->addAction([&](GestureRecognizer& recognizer) {
        states.push_back(recognizer.state());
        if (scroll) {
            scroll->removeFromSuperview();
            scroll.reset();
        }
    });
    TouchInjector(window).pan({{100, 250}, {100, 200}, {100, 150}, {100, 100}});
    EXPECT_TRUE(gone.expired());
    EXPECT_EQ(states, std::vector<GestureState>{GestureState::began});
}

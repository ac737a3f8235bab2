#include "PanelTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/screens/ZKCurrentSignerTableViewCell.h"
#include "designer/screens/ZKFieldsTableNotifications.h"
#include "designer/screens/ZKPrepareFormFieldMainView.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "foundation/NotificationCenter.h"
#include "model/ZKTransaction.h"
#include "ui/Screen.h"

using panel_testing::PanelTest;
using Panel = ZKPrepareFormFieldViewController;
using platform::ui::SwipeDirection;

namespace {

// The finger's y on the panel, well below its title bar and above its rows' ends.
constexpr double middleY = 400;

class PanelSizeTest : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        showHub();
    }

    void hidePanel()
    {
        panel()->hidePanelWithCompletionHandler(nullptr);
        settle();
        ASSERT_EQ(panel()->tableSizeState(), Panel::hidden);
    }

    // A swipe across the part of the body on screen.
    void swipeBody(SwipeDirection direction)
    {
        const double x = panel()->tableSizeState() == Panel::maximized ? 200 : 30;
        fingers->swipe({x, 56 + 20}, direction, 120, 0.15);
        settle();
    }
};

std::vector<double> progressesDuring(const std::function<void()>& action)
{
    std::vector<double> progresses;
    const auto owner = std::make_shared<int>();
    platform::NotificationCenter::defaultCenter().addObserver(
        owner, ZKFieldsTableNotifications::transitioning, nullptr,
        [&progresses](const platform::Notification& notification) {
            progresses.push_back(notification.userInfo.at(ZKFieldsTableNotifications::progressKey).get<double>());
        });
    action();
    return progresses;
}

} // namespace

TEST_F(PanelSizeTest, SwipesOpenAndCloseThePanelOneSizeAtATimeDownToItsTab)
{
    swipeBody(SwipeDirection::right);
    EXPECT_EQ(panel()->tableSizeState(), Panel::maximized);
    EXPECT_EQ(bodyX(), 0);

    // Maximised, a right swipe has nowhere to go.
    swipeBody(SwipeDirection::right);
    EXPECT_EQ(panel()->tableSizeState(), Panel::maximized);
    EXPECT_EQ(bodyX(), 0);

    tapCurrentSigner();
    settle();
    ASSERT_EQ(panel()->tableType(), Panel::signersOpen);
    swipeBody(SwipeDirection::left);
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);
    EXPECT_EQ(panel()->tableType(), Panel::signersClosed);
    EXPECT_EQ(currentSignerRow()->arrowIcon.lock()->text(), ZKCurrentSignerTableViewCell::openArrow);

    // Minimised, the left swipe itself changes nothing; the leftward pan under it tucks
    // the panel away to its reveal tab.
    swipeBody(SwipeDirection::left);
    EXPECT_EQ(panel()->tableSizeState(), Panel::hidden);
    EXPECT_EQ(bodyX(), -257);
    EXPECT_EQ(tabX(), 0);

    // A right swipe over the document does not reach the hidden panel.
    swipeBody(SwipeDirection::right);
    EXPECT_EQ(panel()->tableSizeState(), Panel::hidden);
}

TEST_F(PanelSizeTest, AnEdgePanMaximisesAHiddenPanelPastEightyPointsAndAMinimisedOnePastNineteenAndTheBodyFollowsIt)
{
    hidePanel();
    fingers->edgePan(middleY, 80);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);
    EXPECT_EQ(bodyX(), -196);

    hidePanel();
    fingers->edgePan(middleY, 81);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::maximized);
    EXPECT_EQ(bodyX(), 0);
    EXPECT_EQ(tabX(), -35);

    panel()->minimizePanelWithCompletionHandler(nullptr);
    settle();
    fingers->edgePan(middleY, 19);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);

    fingers->edgePan(middleY, 20);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::maximized);

    // Maximised, the edge pan does not begin and the panel stays.
    fingers->edgePan(middleY, 19);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::maximized);

    // The body follows the pan and tells the rows how far it is open.
    hidePanel();
    const auto progresses = progressesDuring([this] {
        const auto finger = fingers->touchDown({1, middleY});
        for (const double x : {15.0, 101.0, 400.0}) {
            settle(0.03);
            fingers->touchMove(finger, {x, middleY});
        }
        // Pulled past its width, the body stops fully out.
        EXPECT_EQ(bodyX(), 0);
        EXPECT_EQ(tabX(), -35);
        fingers->touchUp(finger);
    });
    ASSERT_EQ(progresses.size(), 2u);
    EXPECT_DOUBLE_EQ(progresses[0], 100.0 / 257);
    EXPECT_DOUBLE_EQ(progresses[1], 1);
    settle();

    panel()->minimizePanelWithCompletionHandler(nullptr);
    settle();
    const auto fromMinimised = progressesDuring([this] {
        const auto finger = fingers->touchDown({1, middleY});
        settle(0.03);
        fingers->touchMove(finger, {13, middleY});
        settle(0.03);
        fingers->touchMove(finger, {31, middleY});
        EXPECT_EQ(bodyX(), 30 - 257 + 61);
        fingers->touchUp(finger);
    });
    ASSERT_FALSE(fromMinimised.empty());
    EXPECT_DOUBLE_EQ(fromMinimised.back(), (30.0 + 61) / 257);
}

TEST_F(PanelSizeTest, TheMenuButtonTogglesMaximisedAndMinimisedAndTheTabMinimises)
{
    const auto menu = panel()->rightSideMenuButton.lock();
    fingers->tap(*menu);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::maximized);
    fingers->tap(*menu);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);

    hidePanel();
    panel()->showIndicatorWithCompletionHandler(nullptr);
    settle();
    panel()->menuButtonTapped(*menu);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::hidden);
    fingers->tap(*panel()->tableRevealView.lock());
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);
    EXPECT_EQ(tabX(), -35);
}

TEST_F(PanelSizeTest, ADisabledPanelTakesNoGestureAndComesBackInTheSizeItHad)
{
    panel()->disablePanelAnimated(true);
    settle();
    EXPECT_TRUE(panel()->panelDisabled());
    EXPECT_EQ(bodyX(), -257);
    EXPECT_EQ(tabX(), -35);
    fingers->edgePan(middleY, 120);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::hidden);

    // Rotating does not bring a disabled panel back.
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    EXPECT_LE(bodyX() + 257, 0);
    EXPECT_EQ(tabX(), -35);

    panel()->enablePanel();
    settle();
    EXPECT_FALSE(panel()->panelDisabled());
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);
    EXPECT_EQ(bodyX(), -196);

    panel()->disablePanelAnimated(false);
    EXPECT_EQ(bodyX(), -357);
    EXPECT_EQ(panel()->tableSizeState(), Panel::hidden);
    EXPECT_EQ(panel()->stateBeforeDismissingTheView(), Panel::minimized);
}

TEST_F(PanelSizeTest, RotatingPutsThePanelBackWhereItsSizeSays)
{
    hidePanel();
    panel()->fieldsViewLeftConstraint.lock()->setConstant(-100);
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeRight);
    settle();
    EXPECT_EQ(bodyX(), -257);
    EXPECT_EQ(tabX(), 0);
    EXPECT_EQ(panel()->fieldsView.lock()->frame().height(), 375 - 56);
}

TEST_F(PanelSizeTest, ShortRowsEndTheBodyAndACutListFlashesItsIndicatorAsThePanelComesToRest)
{
    const auto table = panel()->fieldsTableView();
    const auto body = panel()->fieldsView.lock();
    const double rowsEnd = 44 + table->contentSize().height;
    ASSERT_LT(rowsEnd, panel()->view()->bounds().height());
    EXPECT_EQ(body->frame().height(), rowsEnd);
    const auto below = fingers->viewAt({30, 56 + rowsEnd + 10});
    EXPECT_TRUE(below && below->isDescendantOf(*hub()->pdfViewController()->view()));

    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeRight);
    settle(2);
    EXPECT_FALSE(table->verticalScrollIndicatorFrame());
    fingers->tap(*panel()->rightSideMenuButton.lock());
    settle(0.3);
    ASSERT_GT(table->contentSize().height, table->bounds().height());
    EXPECT_TRUE(table->verticalScrollIndicatorFrame());
    EXPECT_EQ(body->frame().height(), panel()->view()->bounds().height());
}

TEST_F(PanelSizeTest, TouchesOutsideTheBodyTabAndEdgeStripReachTheDocument)
{
    const auto viewer = hub()->pdfViewController()->view();
    const auto root = panel()->view();
    const auto landsOnViewer = [&](double x, double y) {
        const auto hit = fingers->viewAt({x, y});
        return hit && hit->isDescendantOf(*viewer);
    };
    const auto landsOnPanel = [&](double x, double y) {
        const auto hit = fingers->viewAt({x, y});
        return hit && (hit == root || hit->isDescendantOf(*root));
    };
    EXPECT_TRUE(landsOnPanel(2, 300));
    EXPECT_TRUE(landsOnPanel(30, 300));
    EXPECT_TRUE(landsOnViewer(61, 300));
    EXPECT_TRUE(landsOnViewer(200, 300));

    hidePanel();
    panel()->showIndicatorWithCompletionHandler(nullptr);
    settle();
    const auto tab = panel()->tableRevealView.lock()->frame();
    EXPECT_TRUE(landsOnPanel(20, 56 + tab.midY()));
    EXPECT_TRUE(landsOnViewer(20, 56 + tab.maxY() + 10));
    EXPECT_TRUE(landsOnPanel(4, 56 + tab.maxY() + 10));
}

TEST(ZKPrepareFormFieldMainView, AnswersNothingWithoutSubviewsAndOnlyTheStripWithOne)
{
    auto view = std::make_shared<ZKPrepareFormFieldMainView>();
    view->setFrame(platform::graphics::makeRect(0, 0, 300, 300));
    EXPECT_EQ(view->hitTest({2, 100}), nullptr);

    auto body = std::make_shared<platform::ui::View>(platform::graphics::makeRect(100, 0, 50, 50));
    view->addSubview(body);
    EXPECT_EQ(view->hitTest({2, 100}), view);
    EXPECT_EQ(view->hitTest({110, 10}), body);
    EXPECT_EQ(view->hitTest({110, 100}), nullptr);
}

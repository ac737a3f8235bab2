#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Screen.h"
#include "ui/Window.h"

#include <cmath>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

class ViewTest : public testing_support::VeltraTest {};

std::shared_ptr<View> makeView(double x, double y, double width, double height)
{
    return std::make_shared<View>(makeRect(x, y, width, height));
}

class RefusingView : public View {
public:
    using View::View;
    std::shared_ptr<View> hitTest(const Point& point) override
    {
        auto hit = View::hitTest(point);
        return hit.get() == this ? nullptr : hit;
    }
};

} // namespace

TEST_F(ViewTest, HitTestingSkipsHiddenTransparentNonInteractiveAndOutOfBoundsViewsAndRefusals)
{
    auto root = makeView(0, 0, 100, 100);
    auto bottom = makeView(10, 10, 50, 50);
    auto top = makeView(10, 10, 50, 50);
    root->addSubview(bottom);
    root->addSubview(top);
    EXPECT_EQ(root->hitTest({20, 20}), top);

    top->setHidden(true);
    EXPECT_EQ(root->hitTest({20, 20}), bottom);
    top->setHidden(false);
    top->setAlpha(0.009);
    EXPECT_EQ(root->hitTest({20, 20}), bottom);
    top->setAlpha(0.01);
    EXPECT_EQ(root->hitTest({20, 20}), top);
    top->setUserInteractionEnabled(false);
    EXPECT_EQ(root->hitTest({20, 20}), bottom);

    EXPECT_EQ(root->hitTest({5, 5}), root);
    EXPECT_EQ(root->hitTest({100, 50}), nullptr);

    root = makeView(0, 0, 100, 100);
    auto parent = makeView(0, 0, 20, 20);
    auto child = makeView(30, 30, 10, 10);
    root->addSubview(parent);
    parent->addSubview(child);
    EXPECT_EQ(root->hitTest({35, 35}), root);

    root = makeView(0, 0, 100, 100);
    auto overlay = std::make_shared<RefusingView>(makeRect(0, 0, 100, 100));
    auto handle = makeView(0, 0, 10, 10);
    root->addSubview(overlay);
    overlay->addSubview(handle);
    EXPECT_EQ(root->hitTest({5, 5}), handle);
    EXPECT_EQ(root->hitTest({50, 50}), root);

    root = makeView(0, 0, 100, 100);
    auto label = std::make_shared<Label>(makeRect(0, 0, 50, 50));
    auto button = std::make_shared<Button>(makeRect(50, 50, 50, 50));
    root->addSubview(label);
    root->addSubview(button);
    EXPECT_EQ(root->hitTest({10, 10}), root);
    EXPECT_EQ(root->hitTest({60, 60}), button);
}

TEST_F(ViewTest, FramesFollowTransformsAboutTheCentreAndPointsConvertThroughTransformsAndScrollOffsets)
{
    auto view = makeView(10, 20, 100, 50);
    view->setTransform(AffineTransform::scale(0.5, 0.5));
    EXPECT_EQ(view->frame(), makeRect(35, 32.5, 50, 25));
    view->setTransform(AffineTransform::rotation(M_PI / 2));
    EXPECT_NEAR(view->frame().width(), 50, 1e-9);
    EXPECT_NEAR(view->frame().midX(), 60, 1e-9);

    auto root = makeView(0, 0, 400, 400);
    auto scaled = makeView(100, 100, 100, 100);
    scaled->setTransform(AffineTransform::scale(2, 2));
    auto child = makeView(10, 10, 20, 20);
    root->addSubview(scaled);
    scaled->addSubview(child);

    const Point inRoot = child->convertPointTo({0, 0}, root.get());
    EXPECT_NEAR(inRoot.x, 70, 1e-9);
    EXPECT_NEAR(inRoot.y, 70, 1e-9);
    const Point back = child->convertPointFrom(inRoot, root.get());
    EXPECT_NEAR(back.x, 0, 1e-9);
    EXPECT_EQ(root->hitTest({75, 75}), child);

    auto scrolled = makeView(0, 200, 100, 100);
    scrolled->setBounds(makeRect(0, 50, 100, 100));
    auto row = makeView(0, 60, 100, 10);
    root->addSubview(scrolled);
    scrolled->addSubview(row);
    EXPECT_EQ(row->convertPointTo({0, 0}, root.get()), (Point{0, 210}));
    EXPECT_EQ(row->convertRectTo(row->bounds(), scrolled.get()), makeRect(0, 60, 100, 10));
    EXPECT_EQ(root->hitTest({5, 215}), row);
}

TEST_F(ViewTest, HierarchyEditsKeepOneSuperviewAndOrder)
{
    auto first = makeView(0, 0, 10, 10);
    auto second = makeView(0, 0, 10, 10);
    auto child = makeView(0, 0, 1, 1);
    first->addSubview(child);
    second->addSubview(child);
    EXPECT_TRUE(first->subviews().empty());
    EXPECT_EQ(child->superview(), second);

    auto a = makeView(0, 0, 1, 1);
    auto b = makeView(0, 0, 1, 1);
    second->addSubview(a);
    second->insertSubview(b, 0);
    second->bringSubviewToFront(*b);
    EXPECT_EQ(second->subviews().back(), b);
    second->insertSubviewAbove(child, *b);
    EXPECT_EQ(second->subviews().back(), child);
    second->addSubview(second);
    child->addSubview(second);
    EXPECT_EQ(second->superview(), nullptr);
    b->setTag(7);
    EXPECT_EQ(second->viewWithTag(7), b);
}

TEST_F(ViewTest, WindowFollowsScreenRotationAndSafeArea)
{
    auto window = std::make_shared<Window>();
    window->makeKeyAndVisible();
    Screen::main().setDeviceProfile(DeviceProfile::phoneWithNotch);
    std::vector<std::string> seen;
    platform::NotificationCenter::defaultCenter().addObserver(
        ScreenNotifications::orientationDidChange,
        [&](const platform::Notification&) { seen.push_back(std::to_string(window->bounds().width())); });
    Screen::main().setOrientation(InterfaceOrientation::landscapeRight);
    EXPECT_EQ(seen, std::vector<std::string>{std::to_string(812.0)});
    EXPECT_EQ(Screen::main().safeAreaInsets().left, 44);
    EXPECT_EQ(window->safeAreaInsets().bottom, 21);
}

namespace {

class CountingLayoutView : public View {
public:
    using View::View;
    int layouts = 0;
    void layoutSubviews() override { ++layouts; }
};

} // namespace

TEST_F(ViewTest, APassLaysOutMarkedViewsDeepInsideAndSubtreesMarkedBeforeTheyWereAdded)
{
    auto window = std::make_shared<Window>();
    window->makeKeyAndVisible();
    auto outer = std::make_shared<CountingLayoutView>(makeRect(0, 0, 100, 100));
    auto inner = std::make_shared<CountingLayoutView>(makeRect(0, 0, 50, 50));
    auto leaf = std::make_shared<CountingLayoutView>(makeRect(0, 0, 10, 10));
    window->addSubview(outer);
    outer->addSubview(inner);
    inner->addSubview(leaf);
    window->layoutIfNeeded();
    outer->layouts = inner->layouts = leaf->layouts = 0;

    leaf->setNeedsLayout();
    platform::RunLoop::main().advance(0.01);
    EXPECT_EQ(leaf->layouts, 1);
    EXPECT_EQ(outer->layouts + inner->layouts, 0);

    auto detached = std::make_shared<CountingLayoutView>(makeRect(0, 0, 20, 20));
    auto detachedLeaf = std::make_shared<CountingLayoutView>(makeRect(0, 0, 5, 5));
    detached->addSubview(detachedLeaf);
    detached->layoutIfNeeded();
    detachedLeaf->setNeedsLayout();
    leaf->addSubview(detached);
    platform::RunLoop::main().advance(0.01);
    EXPECT_EQ(detachedLeaf->layouts, 2);
    EXPECT_EQ(leaf->layouts, 2) << "a view is laid out again when a subview comes";
    EXPECT_EQ(outer->layouts + inner->layouts, 0);
}

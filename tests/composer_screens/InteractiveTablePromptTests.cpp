// What a table shows and lets through when it has no rows.
#include "InteractiveTableTestSupport.h"

#include "graphics/Image.h"
#include "ui/Screen.h"

namespace {

using composer_screens_testing::InteractiveTableTest;
using platform::graphics::AffineTransform;
using platform::graphics::makeRect;
using platform::ui::TouchInjector;
using platform::ui::View;

class InteractiveTablePromptTest : public InteractiveTableTest {
protected:
    void setUpPrompt()
    {
        table->setupEmptyTablePromptComponents(std::make_shared<platform::graphics::Image>(90, 90), "No documents yet",
                                               50);
    }
    static void expectFrame(const View& view, const platform::graphics::Rect& frame)
    {
        EXPECT_NEAR(view.frame().minX(), frame.minX(), 1e-9);
        EXPECT_NEAR(view.frame().minY(), frame.minY(), 1e-9);
        EXPECT_NEAR(view.frame().width(), frame.width(), 1e-9);
        EXPECT_NEAR(view.frame().height(), frame.height(), 1e-9);
    }
    std::vector<std::shared_ptr<View>> prompt() const
    {
        return {table->emptyTablePromptIcon(), table->emptyTablePromptLabel()};
    }
};

TEST_F(InteractiveTablePromptTest, ThePromptIsLaidOutUnderTheTopHidden)
{
    setUpPrompt();
    const double screenWidth = platform::ui::Screen::main().bounds().width();
    const auto& icon = table->emptyTablePromptIcon();
    const auto& label = table->emptyTablePromptLabel();
    expectFrame(*icon, makeRect(screenWidth / 2 - 320.0 / 6, 50, 320.0 / 3, 320.0 / 3));
    EXPECT_EQ(icon->contentMode(), platform::ui::ContentMode::scaleAspectFit);
    expectFrame(*label, makeRect(screenWidth / 2 - 140, 50 + 320.0 / 3 + 20, 280, 40));
    EXPECT_EQ(label->text(), "No documents yet");
    EXPECT_EQ(label->numberOfLines(), 0);
    for (const auto& view : prompt()) {
        EXPECT_TRUE(view->isHidden());
        EXPECT_EQ(view->alpha(), 0);
        EXPECT_EQ(view->superview(), table);
    }
    EXPECT_EQ(table->subviews().back(), icon);
}

TEST_F(InteractiveTablePromptTest, AnAnimatedHideShrinksThePromptAndAPlainShowKeepsItSmall)
{
    setUpPrompt();
    table->manageEmptyTablePrompt(true, false);
    for (const auto& view : prompt()) {
        EXPECT_FALSE(view->isHidden());
        EXPECT_EQ(view->alpha(), 1);
    }

    table->manageEmptyTablePrompt(false, true);
    for (const auto& view : prompt()) {
        EXPECT_FALSE(view->isHidden()) << "shown until the fade ends";
        EXPECT_EQ(view->alpha(), 0);
        EXPECT_EQ(view->transform(), AffineTransform::scale(0.8, 0.8));
    }
    TouchInjector::wait(VLTInteractiveTableView::kPromptDuration);
    for (const auto& view : prompt()) {
        EXPECT_TRUE(view->isHidden());
    }

    table->manageEmptyTablePrompt(true, false);
    for (const auto& view : prompt()) {
        EXPECT_FALSE(view->isHidden());
        EXPECT_EQ(view->transform(), AffineTransform::scale(0.8, 0.8));
    }
    table->manageEmptyTablePrompt(true, true);
    for (const auto& view : prompt()) {
        EXPECT_EQ(view->alpha(), 1);
        EXPECT_EQ(view->transform(), AffineTransform::identity());
    }
    table->manageEmptyTablePrompt(false, false);
    for (const auto& view : prompt()) {
        EXPECT_TRUE(view->isHidden());
        EXPECT_EQ(view->alpha(), 0);
    }
}

TEST_F(InteractiveTablePromptTest, AShowDuringTheFadeKeepsThePromptVisible)
{
    setUpPrompt();
    table->manageEmptyTablePrompt(true, false);
    table->manageEmptyTablePrompt(false, true);
    TouchInjector::wait(0.1);
    table->manageEmptyTablePrompt(true, false);
    TouchInjector::wait(1);
    for (const auto& view : prompt()) {
        EXPECT_FALSE(view->isHidden());
        EXPECT_EQ(view->alpha(), 1);
    }
}

TEST_F(InteractiveTablePromptTest, ATableWithoutRowsLetsTouchesThroughToWhatLiesBehind)
{
    auto behind = std::make_shared<View>(makeRect(0, 0, 320, 400));
    window->insertSubview(behind, 0);
    setUpPrompt();
    table->manageEmptyTablePrompt(true, false);
    owner->sections = {{}, {}};
    table->reloadData();
    EXPECT_EQ(finger->viewAt({160, 10}), behind);
    EXPECT_EQ(finger->viewAt({160, 120}), behind) << "even over the prompt";

    owner->sections[1] = {"only"};
    table->reloadData();
    const auto hit = finger->viewAt({160, 300});
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == table || hit->isDescendantOf(*table));
}

} // namespace

// What a table shows and lets through when it has no rows.
#include "InteractiveTableTestSupport.h"

#include "graphics/Image.h"

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
    std::vector<std::shared_ptr<View>> prompt() const
    {
        return {table->emptyTablePromptIcon(), table->emptyTablePromptLabel()};
    }
};

TEST_F(InteractiveTablePromptTest, AnAnimatedHideShrinksThePromptAndAPlainShowKeepsItSmall)
{
    setUpPrompt();
    for (const auto& view : prompt()) {
        EXPECT_TRUE(view->isHidden()) << "laid out hidden";
        EXPECT_EQ(view->superview(), table);
    }
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

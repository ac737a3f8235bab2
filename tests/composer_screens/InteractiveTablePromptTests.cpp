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
    // Both the icon and the label are hidden or not, at the alpha and scale given if any.
    void expectPrompt(bool hidden, std::optional<double> alpha, std::optional<double> scale = std::nullopt) const
    {
        for (const auto& view : prompt()) {
            EXPECT_EQ(view->isHidden(), hidden);
            if (alpha) {
                EXPECT_EQ(view->alpha(), *alpha);
            }
            if (scale) {
                EXPECT_EQ(view->transform(), AffineTransform::scale(*scale, *scale));
            }
        }
    }
};

TEST_F(InteractiveTablePromptTest, AnAnimatedHideShrinksThePromptAShowDuringItsFadeKeepsItAndAPlainShowKeepsItSmall)
{
    setUpPrompt();
    for (const auto& view : prompt()) {
        EXPECT_TRUE(view->isHidden()) << "laid out hidden";
        EXPECT_EQ(view->superview(), table);
    }
    table->manageEmptyTablePrompt(true, false);
    expectPrompt(false, 1);
    table->manageEmptyTablePrompt(false, true);
    TouchInjector::wait(0.1);
    table->manageEmptyTablePrompt(true, false);
    TouchInjector::wait(1);
    expectPrompt(false, 1);

    table->manageEmptyTablePrompt(false, true);
    expectPrompt(false, 0, 0.8);
    TouchInjector::wait(VLTInteractiveTableView::kPromptDuration);
    expectPrompt(true, std::nullopt);

    table->manageEmptyTablePrompt(true, false);
    expectPrompt(false, std::nullopt, 0.8);
    table->manageEmptyTablePrompt(true, true);
    expectPrompt(false, 1, 1);
    table->manageEmptyTablePrompt(false, false);
    expectPrompt(true, 0);
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

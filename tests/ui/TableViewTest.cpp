#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"
#include "ui/Animator.h"
#include "ui/Screen.h"
#include "ui/ScrollView.h"
#include "ui/TableView.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <string>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

class CountingCell : public TableViewCell {
public:
    using TableViewCell::TableViewCell;
    int awakenings = 0;
    int reuses = 0;
    void awakeFromNib() override { ++awakenings; }
    void prepareForReuse() override { ++reuses; }
};

// Rows are strings held by the test; heights come from a table of their own.
class Rows : public TableViewDataSource, public TableViewDelegate {
public:
    std::vector<std::vector<std::string>> sections{{}};
    std::map<IndexPath, double> heights;
    std::vector<IndexPath> selections;
    int heightQuestions = 0;

    int numberOfSections(TableView&) override { return static_cast<int>(sections.size()); }
    int numberOfRows(TableView&, int section) override { return static_cast<int>(sections[section].size()); }
    TableViewCellPtr cellForRow(TableView& table, const IndexPath& indexPath) override
    {
        auto cell = table.dequeueReusableCell("row", indexPath);
        cell->textLabel()->setText(sections[indexPath.section][indexPath.row]);
        return cell;
    }
    std::optional<std::string> titleForHeader(TableView&, int section) override
    {
        return sections.size() > 1 ? std::optional<std::string>("S" + std::to_string(section)) : std::nullopt;
    }
    std::optional<std::vector<std::string>> sectionIndexTitles(TableView&) override
    {
        return std::vector<std::string>{"A", "B"};
    }
    int sectionForSectionIndexTitle(TableView&, const std::string& title, int) override { return title == "B" ? 1 : 0; }
    std::optional<double> heightForRow(TableView&, const IndexPath& indexPath) override
    {
        ++heightQuestions;
        const auto found = heights.find(indexPath);
        return found == heights.end() ? 45.0 : found->second;
    }
    void didSelectRow(TableView&, const IndexPath& indexPath) override { selections.push_back(indexPath); }
};

class TableViewTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        window = std::make_shared<Window>();
        window->makeKeyAndVisible();
        table = std::make_shared<TableView>(makeRect(0, 0, 320, 450), TableViewStyle::plain);
        table->registerCell("row", [] { return std::make_shared<CountingCell>("row"); });
        rows = std::make_shared<Rows>();
        table->setDataSource(rows);
        table->setDelegate(rows);
    }

    void fill(int count)
    {
        rows->sections[0].clear();
        for (int index = 0; index < count; ++index) {
            rows->sections[0].push_back("row " + std::to_string(index));
        }
        table->reloadData();
    }

    std::string textOf(const IndexPath& indexPath) const
    {
        const auto cell = table->cellForRow(indexPath);
        return cell ? cell->textLabel()->displayedText() : "<none>";
    }

    std::shared_ptr<Window> window;
    std::shared_ptr<TableView> table;
    std::shared_ptr<Rows> rows;
};

} // namespace

TEST_F(TableViewTest, OnlyRowsOnScreenHaveCellsAndScrollingReusesThem)
{
    fill(1000);
    EXPECT_EQ(table->visibleCells().size(), 10u);
    EXPECT_EQ(table->cellForRow({0, 10}), nullptr);

    table->scrollToRow({0, 500}, TableScrollPosition::top, false);
    EXPECT_EQ(textOf({0, 500}), "row 500");
    EXPECT_EQ(table->cellForRow({0, 0}), nullptr);
    EXPECT_LE(table->cellsMade(), 11u);
    const auto reused = std::static_pointer_cast<CountingCell>(table->cellForRow({0, 500}));
    EXPECT_GE(reused->reuses, 1);

    table->scrollToRow({0, 999}, TableScrollPosition::top, false);
    EXPECT_EQ(table->contentOffset().y, 45000 - 450);
    table->scrollToRow({0, 100}, TableScrollPosition::middle, false);
    EXPECT_EQ(table->contentOffset().y, 100 * 45 + 22.5 - 225);
}

TEST_F(TableViewTest, IndexPathsForPointsAndCellsSectionHeadersAndIndexTitles)
{
    fill(3);
    rows->heights[{0, 1}] = 0;
    table->reloadData();
    EXPECT_EQ(table->indexPathForRow({10, 44}), (IndexPath{0, 0}));
    EXPECT_EQ(table->indexPathForRow({10, 45}), (IndexPath{0, 2}));
    EXPECT_FALSE(table->indexPathForRow({10, 90}).has_value());
    EXPECT_FALSE(table->indexPathForRow({10, -1}).has_value());
    ASSERT_NE(table->cellForRow({0, 1}), nullptr);
    EXPECT_EQ(table->indexPathForCell(*table->cellForRow({0, 2})), (IndexPath{0, 2}));
    EXPECT_FALSE(table->indexPathForCell(TableViewCell("row")).has_value());

    rows->heights.clear();
    rows->sections = {{"a", "b"}, {"c"}};
    table->reloadData();
    EXPECT_EQ(table->rectForHeader(1), makeRect(0, TableView::defaultHeaderHeight * 1 + 90, 320, 28));
    EXPECT_EQ(table->rectForRow({1, 0}).minY(), 2 * TableView::defaultHeaderHeight + 90);
    rows->sections = {std::vector<std::string>(30, "x"), std::vector<std::string>(30, "y")};
    table->reloadData();
    table->scrollToSectionIndexTitle(1);
    EXPECT_EQ(table->contentOffset().y, table->rectForHeader(1).minY());
}

TEST_F(TableViewTest, DeletingAndMovingRowsShiftTheOthersAndCarryCellsAndSelection)
{
    fill(5);
    const auto third = table->cellForRow({0, 2});
    rows->sections[0].erase(rows->sections[0].begin() + 1);
    table->deleteRows({{0, 1}}, TableRowAnimation::left);
    EXPECT_EQ(table->numberOfRows(0), 4);
    EXPECT_EQ(table->cellForRow({0, 1}), third);
    EXPECT_EQ(textOf({0, 3}), "row 4");
    platform::RunLoop::main().advance(TableView::updateAnimationDuration);
    EXPECT_EQ(table->visibleCells().size(), 4u);
    EXPECT_EQ(third->frame().minY(), 45);

    table->deleteRows({{0, 0}}, TableRowAnimation::none);
    EXPECT_EQ(table->numberOfRows(0), 4);
    EXPECT_EQ(textOf({0, 0}), "row 0");

    fill(4);
    const auto first = table->cellForRow({0, 0});
    const auto last = table->cellForRow({0, 3});
    std::rotate(rows->sections[0].begin(), rows->sections[0].begin() + 1, rows->sections[0].end());
    table->moveRow({0, 0}, {0, 3});
    EXPECT_EQ(table->cellForRow({0, 3}), first);
    EXPECT_EQ(table->cellForRow({0, 2}), last);
    EXPECT_EQ(textOf({0, 0}), "row 1");
    EXPECT_EQ(first->frame().minY(), 135);

    // The selection travels with its row, and a row passed over shifts under it.
    table->selectRow(IndexPath{0, 3}, false, TableScrollPosition::none);
    std::rotate(rows->sections[0].begin(), rows->sections[0].begin() + 3, rows->sections[0].end());
    table->moveRow({0, 3}, {0, 0});
    EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 0}));
    EXPECT_TRUE(table->cellForRow({0, 0})->isSelected());
    table->moveRow({0, 1}, {0, 3});
    EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 0}));
}

TEST_F(TableViewTest, UpdatesAskHeightsAgainAnimateTheChangeAndLeaveNoOffsetPastTheContent)
{
    fill(3);
    const int asked = rows->heightQuestions;
    rows->heights[{0, 0}] = 100;
    table->beginUpdates();
    table->endUpdates();
    EXPECT_GT(rows->heightQuestions, asked);
    EXPECT_EQ(table->cellForRow({0, 1})->frame().minY(), 100);
    const auto animation = platform::ui::Animator::shared().lastAnimation(*table->cellForRow({0, 1}), "center");
    ASSERT_NE(animation, nullptr);
    EXPECT_DOUBLE_EQ(animation->duration, TableView::updateAnimationDuration);

    rows->heights[{0, 0}] = 45;
    rows->heights[{0, 2}] = 800;
    table->beginUpdates();
    table->endUpdates();
    table->scrollToRow({0, 2}, TableScrollPosition::bottom, false);
    ASSERT_EQ(table->contentOffset().y, 45 + 45 + 800 - 450);
    rows->heights[{0, 2}] = 45;
    table->beginUpdates();
    table->endUpdates();
    EXPECT_EQ(table->contentOffset().y, 0);
    EXPECT_EQ(table->cellForRow({0, 0})->frame().minY(), 0);
}

TEST_F(TableViewTest, ATableAtItsEndThatLosesItsLastRowsOrGrowsTallerShowsRowsToItsBottom)
{
    window->addSubview(table);
    fill(20);
    table->scrollToRow({0, 19}, TableScrollPosition::bottom, false);
    ASSERT_EQ(table->contentOffset().y, 20 * 45 - 450);
    rows->sections[0].resize(18);
    table->deleteRows({{0, 18}, {0, 19}}, TableRowAnimation::fade);
    EXPECT_EQ(table->contentOffset().y, 18 * 45 - 450);
    EXPECT_NE(Animator::shared().lastAnimation(*table, "bounds"), nullptr) << "it slides back with the rows";
    platform::RunLoop::main().advance(TableView::updateAnimationDuration);
    EXPECT_EQ(table->cellForRow({0, 17})->frame().maxY(), table->bounds().maxY());

    table->setFrame(makeRect(0, 0, 320, 600));
    window->layoutIfNeeded();
    EXPECT_EQ(table->contentOffset().y, 18 * 45 - 600);
    EXPECT_EQ(table->cellForRow({0, 17})->frame().maxY(), table->bounds().maxY());
    EXPECT_NE(table->cellForRow({0, 4}), nullptr) << "rows come on at the top";
}

TEST_F(TableViewTest, TappingARowSelectsItAndTellsTheDelegate)
{
    window->addSubview(table);
    fill(5);
    TouchInjector(window).tap({100, 100});
    EXPECT_EQ(rows->selections, std::vector<IndexPath>{(IndexPath{0, 2})});
    EXPECT_TRUE(table->cellForRow({0, 2})->isSelected());
    table->deselectRow({0, 2}, true);
    EXPECT_FALSE(table->indexPathForSelectedRow().has_value());
    TouchInjector(window).pan({{100, 300}, {100, 200}, {100, 100}});
    EXPECT_EQ(rows->selections.size(), 1u);

    // A finger that lands on one row and lifts on the next, too little to scroll, chose neither.
    TouchInjector fingers(window);
    const auto touch = fingers.touchDown({100, 86});
    fingers.touchMove(touch, {100, 94});
    fingers.touchUp(touch);
    EXPECT_EQ(rows->selections.size(), 1u);
    EXPECT_FALSE(table->indexPathForSelectedRow().has_value());
}

TEST_F(TableViewTest, ATableAsTallAsItsRowsInsideAScrollViewHasCellsForWhatTheScrollViewShows)
{
    auto outer = std::make_shared<ScrollView>(makeRect(0, 0, 320, 450));
    outer->setContentSize({320, 45000 + 200});
    window->addSubview(outer);
    table->setFrame(makeRect(0, 200, 320, 45000));
    table->setScrollEnabled(false);
    outer->addSubview(table);
    fill(1000);
    window->layoutIfNeeded();
    EXPECT_EQ(table->visibleCells().size(), 6u) << "the 250 points below the outer view's top 200";
    EXPECT_EQ(table->cellForRow({0, 6}), nullptr);

    for (int step = 1; step <= 100; ++step) {
        outer->setContentOffset({0, 200 + step * 15.0});
        window->layoutIfNeeded();
    }
    EXPECT_EQ(textOf({0, 33}), "row 33");
    EXPECT_EQ(textOf({0, 42}), "row 42");
    EXPECT_EQ(table->cellForRow({0, 32}), nullptr);
    EXPECT_EQ(table->cellForRow({0, 44}), nullptr);
    EXPECT_LE(table->cellsMade(), 11u);
}

namespace {

// Where a drawn text starts: the first column that differs from the view's own fill.
double firstInk(const View& view)
{
    const auto image = view.snapshotImage(1);
    const auto fill = image->pixelAt(0, 0);
    for (int x = 0; x < image->pixelWidth(); ++x) {
        for (int y = 0; y < image->pixelHeight(); ++y) {
            if (image->pixelAt(x, y) != fill) {
                return x;
            }
        }
    }
    return -1;
}

Rect inWindow(const View& view)
{
    return view.convertRectTo(view.bounds(), nullptr);
}

} // namespace

TEST_F(TableViewTest, OnANotchedPhoneOnItsSideRowContentAndSectionTitlesKeepToTheSafeAreaWhileRowsFillTheWidth)
{
    Screen::main().setDeviceProfile(DeviceProfile::phoneWithNotch);
    Screen::main().setOrientation(InterfaceOrientation::landscapeLeft);
    table->setFrame(window->bounds());
    window->addSubview(table);
    rows->sections = {{"first"}, {"second"}};
    table->reloadData();
    window->layoutIfNeeded();

    const auto cell = table->cellForRow({0, 0});
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(inWindow(*cell), makeRect(0, 28, 812, 45)) << "the row's fill and divider run to the edges";
    EXPECT_EQ(inWindow(*cell->contentView()), makeRect(44, 28, 812 - 88, 45));
    EXPECT_EQ(inWindow(*cell->textLabel()).minX(), 44 + 15);
    std::shared_ptr<TableHeaderLabel> header;
    for (const auto& view : table->subviews()) {
        if (const auto label = std::dynamic_pointer_cast<TableHeaderLabel>(view); label && label->text() == "S0") {
            header = label;
        }
    }
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(inWindow(*header), makeRect(0, 0, 812, 28));
    EXPECT_GE(firstInk(*header), 44 + 15);
    EXPECT_LT(firstInk(*header), 44 + 20);

    table->setInsetsContentViewsToSafeArea(false);
    window->layoutIfNeeded();
    EXPECT_EQ(inWindow(*cell->contentView()).minX(), 0);

    table->setInsetsContentViewsToSafeArea(true);
    Screen::main().setOrientation(InterfaceOrientation::portrait);
    table->setFrame(window->bounds());
    window->layoutIfNeeded();
    EXPECT_EQ(cell->contentView()->frame(), cell->bounds());
    EXPECT_LT(firstInk(*header), 20);
}

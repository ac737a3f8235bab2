// Drag-to-reorder as the composer's lists build it from the toolkit: a long press lifts a
// snapshot of the row, the snapshot follows the finger, and the row moves under it.
#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"
#include "ui/Animator.h"
#include "ui/ImageView.h"
#include "ui/LongPressGestureRecognizer.h"
#include "ui/TableView.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <algorithm>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

class ReorderingTable : public TableView, public TableViewDataSource, public TableViewDelegate {
public:
    std::vector<std::string> rows{"a", "b", "c", "d"};
    std::vector<std::pair<int, int>> moves;
    std::shared_ptr<ImageView> snapshot;
    std::optional<IndexPath> lifted;

    using TableView::cellForRow;

    ReorderingTable() : TableView(makeRect(0, 0, 320, 400), TableViewStyle::plain)
    {
        registerCell("row", [] { return std::make_shared<TableViewCell>("row"); });
    }

    void start()
    {
        const auto self = std::static_pointer_cast<ReorderingTable>(shared_from_this());
        setDataSource(self);
        setDelegate(self);
        auto press = std::make_shared<LongPressGestureRecognizer>();
        press->addAction([this](GestureRecognizer& gesture) { handle(gesture); });
        addGestureRecognizer(press);
        reloadData();
    }

    int numberOfRows(TableView&, int) override { return static_cast<int>(rows.size()); }
    TableViewCellPtr cellForRow(TableView& table, const IndexPath& indexPath) override
    {
        auto cell = table.dequeueReusableCell("row", indexPath);
        cell->textLabel()->setText(rows[indexPath.row]);
        return cell;
    }
    std::optional<double> heightForRow(TableView&, const IndexPath&) override { return 65.0; }
    bool gestureRecognizerShouldBegin(GestureRecognizer& gesture) override
    {
        return indexPathForRow(gesture.locationInView(this)).has_value();
    }

private:
    void handle(GestureRecognizer& gesture)
    {
        const Point point = gesture.locationInView(this);
        const auto row = indexPathForRow(point);
        if (gesture.state() == GestureState::began) {
            lifted = row;
            const auto cell = cellForRow(*row);
            snapshot = std::make_shared<ImageView>(cell->snapshotImage());
            snapshot->setCenter(cell->center());
            addSubview(snapshot);
            cell->setAlpha(0);
            Animator::animate(0.25, [&] {
                snapshot->setCenter({cell->center().x, point.y});
                snapshot->setTransform(AffineTransform::scale(1.05, 1.05));
            }, [cell](bool) { cell->setHidden(true); });
            return;
        }
        if (gesture.state() == GestureState::changed) {
            snapshot->setCenter({snapshot->center().x, point.y});
            if (!row || row == lifted) {
                return;
            }
            moves.emplace_back(lifted->row, row->row);
            const auto moving = rows[lifted->row];
            rows.erase(rows.begin() + lifted->row);
            rows.insert(rows.begin() + row->row, moving);
            moveRow(*lifted, *row);
            lifted = row;
            return;
        }
        const auto cell = cellForRow(*lifted);
        cell->setHidden(false);
        cell->setAlpha(1);
        snapshot->removeFromSuperview();
    }
};

class ReorderTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        window = std::make_shared<Window>();
        table = std::make_shared<ReorderingTable>();
        window->makeKeyAndVisible();
        window->addSubview(table);
        table->start();
    }

    std::shared_ptr<Window> window;
    std::shared_ptr<ReorderingTable> table;
};

} // namespace

TEST_F(ReorderTest, ALongPressDragMovesTheRowStepByStepUnderTheFingerButNotBelowTheLastRow)
{
    TouchInjector(window).longPressAndDrag({100, 300}, {{100, 30}});
    EXPECT_EQ(table->snapshot, nullptr);
    EXPECT_EQ(table->contentOffset().y, 0);

    const auto lifted = table->cellForRow({0, 2});

    TouchInjector(window).longPressAndDrag({100, 160}, {{130, 120}, {130, 90}, {100, 30}, {100, 20}});
    EXPECT_EQ(table->moves, (std::vector<std::pair<int, int>>{{2, 1}, {1, 0}}));
    EXPECT_EQ(table->rows, (std::vector<std::string>{"c", "a", "b", "d"}));
    EXPECT_EQ(table->cellForRow({0, 0}), lifted);
    EXPECT_FALSE(lifted->isHidden());
    EXPECT_EQ(table->snapshot->superview(), nullptr);
    platform::RunLoop::main().advance(1);
    EXPECT_EQ(lifted->frame().minY(), 0);
    EXPECT_EQ(table->cellForRow({0, 1})->textLabel()->displayedText(), "a");
}

TEST_F(ReorderTest, MovingARowUpOnePlaceLeavesOneCellPerRowAfterTheDropsReload)
{
    // The finger stays down until the lift has settled.
    TouchInjector(window).longPressAndDrag({100, 160}, {{130, 120}, {100, 110}}, 0.15);
    ASSERT_EQ(table->moves, (std::vector<std::pair<int, int>>{{2, 1}}));
    // The lists reload once the drop has settled.
    platform::RunLoop::main().advance(1);
    table->reloadData();

    // Every shown cell is the row's own, each row has one, and they are in the rows' order.
    std::size_t shown = 0;
    for (const auto& view : table->subviews()) {
        const auto cell = std::dynamic_pointer_cast<TableViewCell>(view);
        if (cell && !cell->isHidden() && cell->alpha() > 0) {
            const auto row = table->indexPathForCell(*cell);
            ASSERT_TRUE(row);
            EXPECT_EQ(table->cellForRow(*row), cell);
            EXPECT_EQ(cell->frame().minY(), row->row * 65.0);
            ++shown;
        }
    }
    EXPECT_EQ(shown, 4u);
    EXPECT_EQ(table->cellForRow({0, 1})->textLabel()->displayedText(), "c");
}

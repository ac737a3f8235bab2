// Reordering rows by hand: press and hold a row, move the finger, lift it.
#include "InteractiveTableTestSupport.h"

#include "foundation/RunLoop.h"
#include "ui/PanGestureRecognizer.h"
#include "ui/Screen.h"

namespace {

using composer_screens_testing::InteractiveTableTest;
using platform::RunLoop;
using platform::graphics::AffineTransform;
using platform::ui::GestureState;
using platform::ui::IndexPath;
using platform::ui::Point;
using platform::ui::TouchInjector;

using Events = std::vector<std::string>;

class InteractiveTableDragTest : public InteractiveTableTest {};

TEST_F(InteractiveTableDragTest, TheLiftedRowFollowsTheFingerAndTheOwnerHearsEachMoveFirst)
{
    const auto lifted = table->cellForRow({0, 2});
    finger->longPressAndDrag(rowCenter(2), {{160, 120}, {160, 90}, {160, 30}, {160, 20}});

    EXPECT_EQ(owner->events, (Events{"start", "move 0.2 -> 0.1", "move 0.1 -> 0.0"}));
    EXPECT_FALSE(owner->tableMovedBeforeTelling);
    EXPECT_EQ(owner->sections[0], (std::vector<std::string>{"c", "a", "b", "d", "e"}));
    EXPECT_EQ(table->cellForRow({0, 0}), lifted);
    EXPECT_EQ(table->cellInitialPath(), (IndexPath{0, 0}));

    // The image slides back onto the row's new place before the drag is over.
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(owner->events.back(), "finish");
    EXPECT_FALSE(table->cellInitialPath());
    EXPECT_EQ(table->cellSnapshot(), nullptr);
    EXPECT_FALSE(lifted->isHidden());
    EXPECT_EQ(lifted->alpha(), 1.0);
    TouchInjector::wait(1);
    EXPECT_EQ(lifted->frame().minY(), 0);
    EXPECT_EQ(textOfRow(1), "a");

    owner->events.clear();
    finger->longPressAndDrag(rowCenter(0), {rowCenter(4)});
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(owner->events, (Events{"start", "move 0.0 -> 0.4", "finish"})) << "a fast move is one jump";
    EXPECT_EQ(textOfRow(4), "c");
}

TEST_F(InteractiveTableDragTest, ALiftedImageIsAPictureOfTheRowThatMovesOnlyUpAndDown)
{
    const auto cell = table->cellForRow({0, 1});
    const auto touch = finger->touchDown(rowCenter(1));
    TouchInjector::wait(0.6);

    const auto snapshot = table->cellSnapshot();
    ASSERT_NE(snapshot, nullptr);
    EXPECT_EQ(table->subviews().back(), snapshot);
    EXPECT_EQ(snapshot->bounds().size, (platform::graphics::Size{320, 65}));
    EXPECT_EQ(snapshot->image()->scale(), platform::ui::Screen::main().scale());
    EXPECT_EQ(cell->alpha(), 0);
    EXPECT_FALSE(cell->isHidden());
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_TRUE(cell->isHidden());

    finger->touchMove(touch, {40, 105});
    EXPECT_EQ(snapshot->center(), (Point{160, 105}));
    finger->touchMove(touch, {300, 30});
    EXPECT_EQ(snapshot->center(), (Point{160, 30}));
    finger->touchUp(touch);
    EXPECT_EQ(snapshot->center(), cell->center());
    EXPECT_EQ(snapshot->transform(), AffineTransform::identity());
}

TEST_F(InteractiveTableDragTest, ReleasingOverTheRowsOwnPlaceMovesNothingButStillFinishes)
{
    const auto touch = finger->touchDown(rowCenter(3));
    TouchInjector::wait(0.6);
    finger->touchMove(touch, {160, rowCenter(3).y + 20});
    finger->touchUp(touch);
    EXPECT_EQ(owner->events, (Events{"start"}));
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(owner->events, (Events{"start", "finish"}));
    EXPECT_EQ(owner->sections[0], (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_FALSE(table->cellForRow({0, 3})->isHidden());
}

TEST_F(InteractiveTableDragTest, LockedRowsAreNeitherLiftedNorDropPlaces)
{
    owner->sections = {{"a", "b", "c"}, {"x", "y"}};
    owner->answersLocks = true;
    owner->sectionLocks = {1};
    owner->rowLocks = {{0, 1}};
    table->reloadData();
    table->turnOnDragToOrder();

    finger->longPress(rowCenter(1));
    finger->longPress(rowCenter(0, 1));
    EXPECT_EQ(owner->events, (Events{"locked", "locked"}));
    EXPECT_EQ(table->cellSnapshot(), nullptr);
    EXPECT_FALSE(table->cellForRow({0, 1})->isHidden());

    // Over the locked row nothing moves though the image follows; the first unlocked row
    // takes the lifted one; the locked section below never does.
    owner->events.clear();
    const auto touch = finger->touchDown(rowCenter(2));
    TouchInjector::wait(0.6);
    finger->touchMove(touch, rowCenter(1));
    EXPECT_EQ(owner->events, (Events{"start"}));
    EXPECT_EQ(table->cellSnapshot()->center().y, rowCenter(1).y);
    finger->touchMove(touch, rowCenter(0));
    finger->touchMove(touch, rowCenter(1, 1));
    EXPECT_EQ(table->cellSnapshot()->center().y, rowCenter(1, 1).y);
    finger->touchUp(touch);
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(owner->events, (Events{"start", "move 0.2 -> 0.0", "finish"}));
    EXPECT_EQ(owner->sections, (std::vector<std::vector<std::string>>{{"c", "a", "b"}, {"x", "y"}}));
}

TEST_F(InteractiveTableDragTest, LocksAreReadWhenReorderingIsTurnedOn)
{
    EXPECT_TRUE(table->lockedSections().empty());
    EXPECT_TRUE(table->lockedCellPaths().empty());

    owner->answersLocks = true;
    owner->rowLocks = {{0, 0}};
    finger->longPress(rowCenter(0));
    EXPECT_EQ(owner->events, Events{"start"}) << "the new answer is not read before the next turn-on";
    TouchInjector::wait(1);

    table->turnOnDragToOrder();
    EXPECT_EQ(table->lockedCellPaths(), (std::vector<IndexPath>{{0, 0}}));
    owner->answersLocks = false;
    table->turnOnDragToOrder();
    EXPECT_EQ(table->lockedCellPaths(), (std::vector<IndexPath>{{0, 0}})) << "no answer keeps the locks";

    table->turnOffDragToOrder();
    EXPECT_TRUE(table->lockedCellPaths().empty());
    EXPECT_EQ(longPressCount(), 0u);
    owner->events.clear();
    finger->longPress(rowCenter(2));
    EXPECT_TRUE(owner->events.empty());

    owner->answersLocks = true;
    owner->sectionLocks = {0};
    table->turnOnDragToOrder();
    EXPECT_EQ(table->lockedSections(), std::vector<int>{0});
    EXPECT_EQ(longPressCount(), 1u);
}

TEST_F(InteractiveTableDragTest, TurningReorderingOnAtEveryReloadStillGivesOneDragPerPress)
{
    for (int reload = 0; reload < 20; ++reload) {
        table->reloadData();
        table->turnOnDragToOrder();
    }
    EXPECT_EQ(longPressCount(), 1u);

    const auto touch = finger->touchDown(rowCenter(1));
    TouchInjector::wait(0.6);
    const auto& subviews = table->subviews();
    EXPECT_EQ(std::count(subviews.begin(), subviews.end(), table->cellSnapshot()), 1);
    EXPECT_EQ(subviews.size(), table->visibleCells().size() + 1);
    finger->touchMove(touch, rowCenter(3));
    finger->touchUp(touch);
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(owner->events, (Events{"start", "move 0.1 -> 0.3", "finish"}));
}

TEST_F(InteractiveTableDragTest, NoGestureBeginsBelowTheLastRowWhileScrollsMayBeginOnLockedRows)
{
    owner->answersLocks = true;
    owner->rowLocks = {{0, 0}};
    table->turnOnDragToOrder();
    const auto& pan = table->panGestureRecognizer();

    const Point belowLastRow{160, 5 * 65 + 30};
    finger->longPressAndDrag(belowLastRow, {{160, 100}});
    EXPECT_TRUE(owner->events.empty());
    EXPECT_EQ(table->cellSnapshot(), nullptr);
    finger->pan({belowLastRow, {160, 370}, {160, 395}});
    EXPECT_EQ(pan->state(), GestureState::failed);

    finger->pan({rowCenter(0), {160, 60}, {160, 100}});
    EXPECT_EQ(pan->state(), GestureState::ended);
    EXPECT_TRUE(owner->events.empty()) << "only a long press on a locked row is refused";
}

TEST_F(InteractiveTableDragTest, ADragWhoseRowLeftTheScreenStillEnds)
{
    owner->sections[0].resize(20, "z");
    table->reloadData();
    const auto touch = finger->touchDown(rowCenter(0));
    TouchInjector::wait(0.6);
    table->setContentOffset({0, 800});
    table->layoutIfNeeded();
    ASSERT_EQ(table->cellForRow({0, 0}), nullptr);
    for (const auto& cell : table->visibleCells()) {
        EXPECT_FALSE(cell->isHidden());
        EXPECT_EQ(cell->alpha(), 1.0) << "the lifted row's cell, reused for a row coming on screen";
    }
    finger->touchUp(touch);
    EXPECT_EQ(owner->events, (Events{"start", "finish"}));
    EXPECT_EQ(table->cellSnapshot(), nullptr);
    EXPECT_FALSE(table->cellInitialPath());
}

TEST_F(InteractiveTableDragTest, OnlyTheLiftedRowHidesWhileItsOwnerReloadsMidDrag)
{
    owner->sections[0].clear();
    for (int row = 0; row < 15; ++row) {
        owner->sections[0].push_back("r" + std::to_string(row));
    }
    table->reloadData();
    const auto hiddenRows = [this] {
        std::vector<std::string> hidden;
        for (int row = 0; row < 15; ++row) {
            const auto cell = table->cellForRow({0, row});
            if (cell && (cell->isHidden() || cell->alpha() < 1)) {
                hidden.push_back(cell->textLabel()->displayedText());
            }
        }
        return hidden;
    };
    const auto touch = finger->touchDown(rowCenter(1));
    TouchInjector::wait(0.6 + VLTInteractiveTableView::kLiftDuration);
    finger->touchMove(touch, rowCenter(2));
    table->reloadData();
    EXPECT_EQ(hiddenRows(), std::vector<std::string>{"r1"});
    finger->touchMove(touch, rowCenter(4));
    EXPECT_EQ(hiddenRows(), std::vector<std::string>{"r1"});
    finger->touchUp(touch);
    TouchInjector::wait(1);
    EXPECT_EQ(owner->events, (Events{"start", "move 0.1 -> 0.2", "move 0.2 -> 0.4", "finish"}));
    EXPECT_TRUE(hiddenRows().empty());
}

TEST_F(InteractiveTableDragTest, TurningReorderingOffMidDragEndsTheDragWithTheRowShown)
{
    const auto lifted = table->cellForRow({0, 1});
    const auto touch = finger->touchDown(rowCenter(1));
    TouchInjector::wait(0.6);
    finger->touchMove(touch, rowCenter(3));
    table->turnOffDragToOrder();

    EXPECT_EQ(table->cellSnapshot(), nullptr);
    EXPECT_EQ(table->subviews().size(), table->visibleCells().size()) << "no lifted image is left";
    EXPECT_FALSE(table->cellInitialPath());
    EXPECT_EQ(owner->events, (Events{"start", "move 0.1 -> 0.3", "finish"}));
    finger->touchMove(touch, rowCenter(0));
    finger->touchUp(touch);
    TouchInjector::wait(1);
    EXPECT_EQ(table->cellForRow({0, 3}), lifted);
    EXPECT_FALSE(lifted->isHidden()) << "the lift's own end does not hide it afterwards";
    EXPECT_EQ(lifted->alpha(), 1.0);
    EXPECT_EQ(owner->events.size(), 3u);
}

} // namespace

// A row lifted and dragged over a table of 500 rows, the finger stepping onto the next
// row each time: one step is what the table does for one movement of the finger (follow,
// tell the owner, move the row) plus the run loop's sixtieth of a second of animations.
#include "composer/screens/VLTInteractiveTableView.h"
#include "foundation/RunLoop.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace platform::ui;
using platform::graphics::makeRect;

constexpr int kRows = 500;
constexpr double kRowHeight = 44;

class Rows : public TableViewDataSource, public TableViewDelegate, public VLTInteractiveTableViewDelegate {
public:
    std::vector<std::string> titles;
    std::int64_t moves = 0;

    Rows()
    {
        for (int row = 0; row < kRows; ++row) {
            titles.push_back("Document " + std::to_string(row) + ".pdf");
        }
    }
    int numberOfRows(TableView&, int) override { return kRows; }
    TableViewCellPtr cellForRow(TableView& table, const IndexPath& indexPath) override
    {
        auto cell = table.dequeueReusableCell("row", indexPath);
        cell->textLabel()->setText(titles[indexPath.row]);
        return cell;
    }
    std::optional<double> heightForRow(TableView&, const IndexPath&) override { return kRowHeight; }
    void tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(VLTInteractiveTableView&, const IndexPath& from,
                                                                     const IndexPath& to) override
    {
        ++moves;
        auto moving = std::move(titles[from.row]);
        titles.erase(titles.begin() + from.row);
        titles.insert(titles.begin() + to.row, std::move(moving));
    }
    void tableViewCellDraggingDidStart() override {}
    void tableViewCellDraggingDidFinishWithTableView(VLTInteractiveTableView&) override {}
    void tableViewCellDraggingCanceledWithLocked(bool) override {}
};

// `visibleHeight`: the table's height on screen; every row the finger reaches is on it.
void dragOverRows(benchmark::State& state, double visibleHeight)
{
    platform::RunLoop::main().bindToCurrentThread();
    platform::RunLoop::main().useManualClock();
    const auto rows = std::make_shared<Rows>();
    auto window = std::make_shared<Window>();
    window->setFrame(makeRect(0, 0, 320, visibleHeight));
    auto table = std::make_shared<VLTInteractiveTableView>(makeRect(0, 0, 320, visibleHeight), TableViewStyle::plain);
    table->registerCell("row", [] { return std::make_shared<TableViewCell>("row"); });
    table->setDataSource(rows);
    table->setDelegate(rows);
    table->setInteractiveDelegate(rows);
    window->addSubview(table);
    table->reloadData();
    table->turnOnDragToOrder();
    const int reachable = static_cast<int>(visibleHeight / kRowHeight);

    TouchInjector finger(window);
    const auto touch = finger.touchDown({160, kRowHeight / 2});
    TouchInjector::wait(0.6);
    int row = 0;
    int direction = 1;
    for (auto _ : state) {
        if (row + direction < 0 || row + direction >= reachable) {
            direction = -direction;
        }
        row += direction;
        finger.touchMove(touch, {160, row * kRowHeight + kRowHeight / 2});
        TouchInjector::wait(1.0 / 60);
    }
    finger.touchUp(touch);
    state.counters["rowsOnScreen"] = reachable;
    state.counters["movesPerStep"] = static_cast<double>(rows->moves) / static_cast<double>(state.iterations());
}

void DragOverEveryRowOfFiveHundred(benchmark::State& state)
{
    dragOverRows(state, kRows * kRowHeight);
}
BENCHMARK(DragOverEveryRowOfFiveHundred)->Unit(benchmark::kMicrosecond);

void DragOverAPhoneScreenOfFiveHundredRows(benchmark::State& state)
{
    dragOverRows(state, 667);
}
BENCHMARK(DragOverAPhoneScreenOfFiveHundredRows)->Unit(benchmark::kMicrosecond);

} // namespace

#include "foundation/RunLoop.h"
#include "graphics/ImageContext.h"
#include "ui/Label.h"
#include "ui/Screen.h"
#include "ui/TableView.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

constexpr int tableRows = 100000;

class LongList : public TableViewDataSource, public TableViewDelegate {
public:
    int numberOfRows(TableView&, int) override { return tableRows; }
    TableViewCellPtr cellForRow(TableView& table, const IndexPath& indexPath) override
    {
        auto cell = table.dequeueReusableCell("row", indexPath);
        cell->textLabel()->setText("Row " + std::to_string(indexPath.row));
        return cell;
    }
    std::optional<double> heightForRow(TableView&, const IndexPath&) override { return 45.0; }
};

// Reloading and laying out a phone-sized table of 100,000 rows.
void tableReload(benchmark::State& state)
{
    platform::RunLoop::main().useManualClock();
    const auto list = std::make_shared<LongList>();
    auto table = std::make_shared<TableView>(Screen::main().bounds(), TableViewStyle::plain);
    table->registerCell("row", [] { return std::make_shared<TableViewCell>("row"); });
    table->setDataSource(list);
    table->setDelegate(list);
    for (auto _ : state) {
        table->reloadData();
        table->layoutIfNeeded();
    }
    const auto onScreen = static_cast<std::size_t>(Screen::main().bounds().height() / 45) + 2;
    state.counters["cellsMade"] = static_cast<double>(table->cellsMade());
    state.counters["cellsAllowed"] = static_cast<double>(onScreen + 1);
}
BENCHMARK(tableReload)->Unit(benchmark::kMillisecond);

// Builds a tree of `count` views: containers of 50 leaves laid side by side.
std::shared_ptr<View> makeTree(int count)
{
    auto root = std::make_shared<View>(makeRect(0, 0, 2000, 2000));
    int made = 1;
    for (int column = 0; made < count; ++column) {
        auto container = std::make_shared<View>(makeRect(column * 40.0, 0, 40, 2000));
        root->addSubview(container);
        ++made;
        for (int leaf = 0; leaf < 50 && made < count; ++leaf, ++made) {
            container->addSubview(std::make_shared<View>(makeRect(0, leaf * 40.0, 40, 40)));
        }
    }
    return root;
}

// Hit testing a point in a tree of 2,000 views.
void hitTest(benchmark::State& state)
{
    const auto root = makeTree(2000);
    // The first column and last row: every container and every leaf of it is tried.
    const Point point{15, 1975};
    for (auto _ : state) {
        benchmark::DoNotOptimize(root->hitTest(point));
    }
}
BENCHMARK(hitTest)->Unit(benchmark::kMicrosecond);

// Drawing a full phone screen of 200 views with text into an image (no PNG encoding).
void drawScreen(benchmark::State& state)
{
    const Rect screen = Screen::main().bounds();
    auto root = std::make_shared<View>(screen);
    root->setBackgroundColor(Color::white());
    for (int index = 0; index < 200; ++index) {
        auto label = std::make_shared<Label>(makeRect((index % 4) * 93.0, (index / 4) * 13.0, 90, 12));
        label->setText("Label " + std::to_string(index));
        label->setFont(Font::systemFont(10));
        label->setBackgroundColor(Color::systemGray6());
        label->layer().setCornerRadius(3);
        root->addSubview(label);
    }
    for (auto _ : state) {
        platform::graphics::ImageContext image(screen.size, Screen::main().scale(), true);
        root->render(image.context());
        benchmark::DoNotOptimize(image.image());
    }
}
BENCHMARK(drawScreen)->Unit(benchmark::kMillisecond);

} // namespace

// What one movement of a sender costs on the main page as its lists grow: a keystroke in
// the name field, a scroll step of the page and a step of a row dragged in the recipient
// or document list, with 10 to 10,000 recipients or documents. Each step includes the
// run loop's sixtieth of a second that follows it, so the layout pass it schedules and
// the animations it starts are counted.
#include "SampleTransaction.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionDocumentListCell.h"
#include "composer/screens/CreateTransactionPageRowHeights.h"
#include "composer/screens/CreateTransactionRecipientListCell.h"
#include "composer/screens/CreateTransactionTransactionNameCell.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

using platform::ui::Point;
using platform::ui::TouchInjector;
using Row = CreateTransactionPageRowHeights::Row;

constexpr double frame = 1.0 / 60;

enum class Items { recipients, documents };

// Without a name the page opens on its name row, editing.
std::shared_ptr<VTTransaction> transactionWith(Items items, int count, bool named)
{
    return composer_bench::sampleTransaction(named ? "Quarterly contracts" : "", items == Items::documents ? count : 1,
                                             items == Items::recipients ? count : 1);
}

// A phone host with the main page open on a transaction of `count` recipients or
// documents; the page is closed and the home removed when it goes.
class OpenPage {
public:
    OpenPage(Items items, int count, bool named = true)
    {
        std::filesystem::create_directories(home_);
        platform::Environment::setHomeDirectory(home_);
        auto& loop = platform::RunLoop::main();
        loop.bindToCurrentThread();
        loop.useManualClock();
        platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phone);
        platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);
        const auto root = std::make_shared<platform::ui::ViewController>();
        navigation_ = std::make_shared<platform::ui::NavigationController>(root);
        window_ = std::make_shared<platform::ui::Window>();
        window_->setRootViewController(navigation_);
        window_->makeKeyAndVisible();
        fingers_ = std::make_unique<TouchInjector>(window_);
        Veltra::dashboard()->setRootViewController(root);
        Veltra::dashboard()->createAndStartEditWithTransaction(transactionWith(items, count, named), true, true, true);
        settle(1);
    }
    ~OpenPage()
    {
        navigation_->popToRootViewController(false);
        settle(1);
        fingers_.reset();
        std::filesystem::remove_all(home_);
    }
    OpenPage(const OpenPage&) = delete;
    OpenPage& operator=(const OpenPage&) = delete;

    std::shared_ptr<CreateTransactionAddDocsAndSignersPage> page() const
    {
        return std::dynamic_pointer_cast<CreateTransactionAddDocsAndSignersPage>(navigation_->topViewController());
    }
    std::shared_ptr<platform::ui::TableView> table() const { return page()->tableView.lock(); }
    template <typename Cell> std::shared_ptr<Cell> row(int row) const
    {
        return std::dynamic_pointer_cast<Cell>(table()->cellForRow({0, row}));
    }
    TouchInjector& fingers() { return *fingers_; }
    void settle(double seconds)
    {
        platform::RunLoop::main().advance(seconds);
        window_->layoutIfNeeded();
    }
    // The display's turn after an event: the clock's sixtieth of a second, then the
    // window's layout pass.
    void nextFrame()
    {
        platform::RunLoop::main().advance(frame);
        window_->layoutIfNeeded();
    }
    // Brings a row of the page to the top of the screen.
    void scrollTo(int row)
    {
        table()->scrollToRow({0, row}, platform::ui::TableScrollPosition::top, false);
        settle(1);
    }

private:
    std::filesystem::path home_ = std::filesystem::temp_directory_path() / "veltra-composer-page-bench";
    std::shared_ptr<platform::ui::NavigationController> navigation_;
    std::shared_ptr<platform::ui::Window> window_;
    std::unique_ptr<TouchInjector> fingers_;
};

// One keystroke: a letter typed, then taken back, in turn.
void nameKeystroke(benchmark::State& state, Items items)
{
    OpenPage open(items, static_cast<int>(state.range(0)), false);
    const auto field = open.row<CreateTransactionTransactionNameCell>(Row::name)->transactionNameTextField.lock();
    open.fingers().tap(*field);
    open.settle(1);
    bool typed = false;
    for (auto _ : state) {
        if (typed) {
            open.fingers().deleteBackward();
        } else {
            open.fingers().typeText("a");
        }
        typed = !typed;
        open.nextFrame();
    }
    state.counters["typedLetters"] = static_cast<double>(field->text().size());
}

// One step of the page scrolled as a finger's pan scrolls it, down through the lists to
// their end and back up again.
void scrollStep(benchmark::State& state, Items items)
{
    OpenPage open(items, static_cast<int>(state.range(0)));
    const auto table = open.table();
    constexpr double step = 10;
    const double top = table->clampedOffset({0, -1e12}).y;
    const double end = table->clampedOffset({0, 1e12}).y;
    double direction = 1;
    for (auto _ : state) {
        const double offset = table->contentOffset().y;
        if ((direction > 0 && offset + step > end) || (direction < 0 && offset - step < top)) {
            direction = -direction;
        }
        table->setContentOffset({0, offset + direction * step}, false);
        open.nextFrame();
    }
    state.counters["contentHeight"] = table->contentSize().height;
}

// One step of a held row, the finger stepping onto the next row of those on screen and
// turning at the edges of the screen.
void reorderStep(benchmark::State& state, Items items)
{
    OpenPage open(items, static_cast<int>(state.range(0)));
    const bool recipients = items == Items::recipients;
    open.scrollTo(recipients ? Row::addRecipient : Row::documentsHeader);
    const auto inner = recipients
                           ? open.row<CreateTransactionRecipientListCell>(Row::recipientList)->signersTableView.lock()
                           : open.row<CreateTransactionDocumentListCell>(Row::documentList)->documentsTableView.lock();
    const double rowHeight = inner->rectForRow({0, 0}).height();
    const Point first = inner->convertPointTo(inner->rectForRow({0, 0}).center(), nullptr);
    const double bottom = platform::ui::Screen::main().bounds().height() - rowHeight;
    const int reachable = std::max(1, std::min(static_cast<int>(state.range(0)),
                                               static_cast<int>((bottom - first.y) / rowHeight) + 1));
    auto& fingers = open.fingers();
    const auto touch = fingers.touchDown(first);
    TouchInjector::wait(0.6);
    int row = 0;
    int direction = 1;
    double moves = 0;
    for (auto _ : state) {
        const auto before = inner->cellInitialPath();
        if (row + direction < 0 || row + direction >= reachable) {
            direction = -direction;
        }
        row += reachable > 1 ? direction : 0;
        fingers.touchMove(touch, {first.x, first.y + row * rowHeight});
        open.nextFrame();
        moves += inner->cellInitialPath() != before ? 1 : 0;
    }
    state.counters["movesPerStep"] = moves / static_cast<double>(state.iterations());
    fingers.touchUp(touch);
    open.settle(1);
    state.counters["rowsReached"] = reachable;
}

void itemCounts(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("items")->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(nameKeystroke, recipients, Items::recipients)->Apply(itemCounts);
BENCHMARK_CAPTURE(nameKeystroke, documents, Items::documents)->Apply(itemCounts);
BENCHMARK_CAPTURE(scrollStep, recipients, Items::recipients)->Apply(itemCounts);
BENCHMARK_CAPTURE(scrollStep, documents, Items::documents)->Apply(itemCounts);
BENCHMARK_CAPTURE(reorderStep, recipients, Items::recipients)->Apply(itemCounts);
BENCHMARK_CAPTURE(reorderStep, documents, Items::documents)->Apply(itemCounts);

} // namespace

// One keystroke at the end of a text view being edited, as a device spends it: the
// character inserted, the caret's line brought into sight, and the view drawn again.
#include "foundation/RunLoop.h"
#include "samples/SampleText.h"
#include "ui/Screen.h"
#include "ui/TextView.h"
#include "ui/Window.h"

#include <benchmark/benchmark.h>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

void keystrokeAtTheEndOfATextView(benchmark::State& state)
{
    platform::RunLoop::main().useManualClock();
    const auto window = std::make_shared<Window>();
    window->makeKeyAndVisible();
    const auto view = std::make_shared<TextView>(makeRect(16, 100, 343, 200));
    window->addSubview(view);
    view->setText(bench_samples::sampleText(static_cast<std::size_t>(state.range(0))));
    view->becomeFirstResponder();
    // The first keystroke lays out the whole text once, as opening the editor would.
    view->insertText("a");
    const double scale = Screen::main().scale();
    for (auto _ : state) {
        view->insertText("a");
        benchmark::DoNotOptimize(view->snapshotImage(scale, true));
        state.PauseTiming();
        view->deleteBackward();
        state.ResumeTiming();
    }
    state.counters["scrolledTo"] = view->contentOffset().y;
}
BENCHMARK(keystrokeAtTheEndOfATextView)->Arg(100)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

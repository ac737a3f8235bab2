// Very long texts in the views that show text: a text view of a phone's width and a
// single-line label, each laid out and drawn into an image.
#include "graphics/ImageContext.h"
#include "samples/SampleText.h"
#include "ui/Label.h"
#include "ui/TextView.h"

#include <benchmark/benchmark.h>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

void drawView(const View& view)
{
    platform::graphics::ImageContext image(view.bounds().size, 1, true);
    view.render(image.context());
    benchmark::DoNotOptimize(image.image());
}

void textViewWithLongText(benchmark::State& state)
{
    TextView view(makeRect(0, 0, 343, 200));
    view.setText(bench_samples::sampleText(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        drawView(view);
    }
}
BENCHMARK(textViewWithLongText)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A title label that shrinks its font to fit, as bar titles do, drawn.
void labelWithLongText(benchmark::State& state)
{
    Label label(makeRect(0, 0, 200, 44));
    label.setText(bench_samples::sampleText(static_cast<std::size_t>(state.range(0))));
    label.setAdjustsFontSizeToFitWidth(true);
    label.setMinimumScaleFactor(0.5);
    for (auto _ : state) {
        drawView(label);
    }
}
BENCHMARK(labelWithLongText)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The size a single-line label asks for: the whole text's width, so all of it is shaped.
void singleLineLabelSizeThatFits(benchmark::State& state)
{
    Label label(makeRect(0, 0, 200, 44));
    label.setText(bench_samples::sampleText(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(label.sizeThatFits({200, 44}));
    }
}
BENCHMARK(singleLineLabelSizeThatFits)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

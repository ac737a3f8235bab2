// Placing fields on the designer's hub of a started draft, as the side panel reports a
// tapped palette item, and selecting a placed field by touching it: the main thread's
// time per field, the store's save included, with `range(0)` fields on the page first.
#include "DesignerHub.h"

#include "ceremony/screens/ZKPDFViewController.h"
#include "fields/ZKElementView.h"
#include "ui/TouchInjector.h"

#include <benchmark/benchmark.h>

namespace {

using bench::paletteItem;
using Hub = bench::DesignerHub;

void placeATextField(benchmark::State& state)
{
    const Hub stage;
    const auto text = paletteItem("TextBox", false);
    for (int placed = 0; placed < state.range(0); ++placed) {
        stage.place(text);
    }
    for (auto _ : state) {
        stage.place(text);
    }
    state.counters["fields"] = static_cast<double>(stage.hub->pdfViewController()->elementViews().size());
}
BENCHMARK(placeATextField)->Arg(0)->Arg(1000)->Arg(10000)->Iterations(200)->Unit(benchmark::kMicrosecond);

void selectAPlacedField(benchmark::State& state)
{
    const Hub stage;
    const auto text = paletteItem("TextBox", false);
    for (int placed = 0; placed < state.range(0); ++placed) {
        stage.place(text);
    }
    const auto views = stage.hub->pdfViewController()->elementViews();
    platform::ui::TouchInjector fingers(stage.host->window);
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& view = views[next++ % views.size()];
        fingers.tap(*view);
    }
}
BENCHMARK(selectAPlacedField)->Arg(10)->Arg(1000)->Arg(10000)->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace

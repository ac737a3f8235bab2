// One step of a palette item's drag over the designer's page with `range(0)` fields placed
// on it: the finger moves and the window is laid out again, as the device would before
// drawing. The view count shows the placed fields stand in the window's tree.
#include "DesignerHub.h"

#include "ceremony/screens/ZKPDFPage.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"
#include "designer/screens/ZKSignatureFieldsTableViewCell.h"
#include "foundation/RunLoop.h"
#include "ui/TableView.h"
#include "ui/TouchInjector.h"

#include <benchmark/benchmark.h>

namespace {

std::size_t viewsUnder(const platform::ui::View& view)
{
    std::size_t count = 1;
    for (const auto& subview : view.subviews()) {
        count += viewsUnder(*subview);
    }
    return count;
}

std::shared_ptr<platform::ui::View> firstPaletteGlyph(const bench::DesignerHub& stage)
{
    const auto list =
        std::dynamic_pointer_cast<ZKSignatureFieldsTableViewCell>(stage.panel->fieldsTableView()->cellForRow({0, 2}));
    const auto row = list ? std::dynamic_pointer_cast<ZKSignatureFieldTableViewCell>(
                                list->signatureFieldsTableView.lock()->cellForRow({0, 0}))
                          : nullptr;
    return row ? row->rightSignatureFieldIcon.lock() : nullptr;
}

void dragStepOverPlacedFields(benchmark::State& state)
{
    const bench::DesignerHub stage;
    const auto text = bench::paletteItem("TextBox", false);
    for (int placed = 1; placed < state.range(0); ++placed) {
        stage.place(text);
    }
    auto& loop = platform::RunLoop::main();
    loop.advance(1);
    auto& window = *stage.host->window;
    window.layoutIfNeeded();
    const auto glyph = firstPaletteGlyph(stage);
    if (!glyph) {
        state.SkipWithError("the panel shows no palette item");
        return;
    }
    platform::ui::TouchInjector fingers(stage.host->window);
    const platform::ui::Point start = fingers.centerOf(*glyph);
    const auto touch = fingers.touchDown(start);
    for (const double step : {4.0, 8.0, 12.0}) {
        loop.advance(0.02);
        fingers.touchMove(touch, {start.x + step, start.y});
    }
    const auto& page = *stage.hub->pdfViewController()->pages().front();
    const auto frame = page.convertRectTo(page.bounds(), nullptr);
    const platform::ui::Point over{frame.minX() + frame.width() / 2, frame.minY() + frame.height() / 2};
    loop.advance(0.3);
    fingers.touchMove(touch, over);
    loop.advance(0.3);
    window.layoutIfNeeded();
    if (!stage.panel->draggedField() || stage.panel->draggedFieldView.lock()->isHidden()) {
        state.SkipWithError("the palette item was not lifted");
        return;
    }
    double shift = 1;
    for (auto _ : state) {
        fingers.touchMove(touch, {over.x + shift, over.y});
        window.layoutIfNeeded();
        shift = -shift;
    }
    state.counters["fields"] = static_cast<double>(stage.hub->pdfViewController()->elementViews().size());
    state.counters["views"] = static_cast<double>(viewsUnder(window));
    fingers.touchUp(touch);
}
BENCHMARK(dragStepOverPlacedFields)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Iterations(500)->Unit(benchmark::kMicrosecond);

} // namespace

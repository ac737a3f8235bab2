// Placing fields on the designer's hub of a started draft, as the side panel reports a
// tapped palette item, and selecting a placed field by touching it: the main thread's
// time per field, the store's save included, with `range(0)` fields on the page first.
#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "fields/ZKElementView.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"
#include "graphics/PdfWriter.h"
#include "samples/HostWindow.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

std::string writePagePdf(const std::filesystem::path& path)
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    const auto bytes = writer.finish();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
    return path.string();
}

std::shared_ptr<ZKPrepareFormField> paletteItem(const std::string& type, bool primary)
{
    auto field = ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("4", type, type, std::nullopt);
    field->setIsPrimaryFieldType(primary);
    return field;
}

// A started draft of one page and one signer on the hub of a phone held upright, its
// signature placed.
struct Hub {
    Hub()
    {
        home = std::filesystem::temp_directory_path() / ("veltra-designer-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(home);
        platform::SharedInstances::resetAll();
        auto& loop = platform::RunLoop::main();
        loop.reset();
        loop.bindToCurrentThread();
        loop.useManualClock();
        platform::Environment::setHomeDirectory(home);
        platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phone);
        platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);
        host = std::make_unique<bench::HostWindow>();
        auto draft = std::make_shared<VTTransaction>();
        draft->setName("Agreement");
        draft->addDocument(VTDocument::initWithNameAndPath("Agreement.pdf", writePagePdf(home / "agreement.pdf")));
        draft->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
            "Cara", "Client", "cara@example.com", std::nullopt, std::nullopt, "signer0"));
        draft->startEditingWithCallback([](const Dictionary&) {});
        loop.advance(ZKMainViewController::transitionDuration + 1);
        hub = ZKCTouchManager::sharedInstance()->mainVController();
        panel = std::dynamic_pointer_cast<ZKPrepareFormFieldViewController>(hub->formFieldVC());
        place(paletteItem("SIGNATURE", true));
    }
    ~Hub()
    {
        hub.reset();
        panel.reset();
        host.reset();
        platform::SharedInstances::resetAll();
        std::filesystem::remove_all(home);
    }

    void place(const std::shared_ptr<ZKPrepareFormField>& item) const
    {
        panel->delegate()->userDidTapOnFormFieldViewToConvertLocationFrom(item, panel->view());
    }

    std::filesystem::path home;
    std::unique_ptr<bench::HostWindow> host;
    std::shared_ptr<ZKMainViewController> hub;
    std::shared_ptr<ZKPrepareFormFieldViewController> panel;
};

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

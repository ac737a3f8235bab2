// Close on the main page of a new transaction of 50 documents and 202 recipients: the
// transaction, its document files included, goes into the local store before the page
// leaves. Wall time, since the main thread waits on the disk as much as it computes.
// range(0) 0: the documents are the host's files; 1: they are the composer's temporary
// copies, as documents added or dropped in the composer are.
#include "ComposerWindow.h"
#include "SampleTransaction.h"
#include "store/ZKFileManager.h"
#include "sdk/VTTransaction.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int documentCount = 50;
constexpr int recipientCount = 202;
constexpr std::size_t documentBytes = 200'000;

std::filesystem::path writeSamplePdf()
{
    const auto path = std::filesystem::temp_directory_path() / "veltra-close-bench-contract.pdf";
    std::ofstream file(path, std::ios::binary);
    file << "%PDF-1.4\n" << std::string(documentBytes, 'x') << "\n%%EOF\n";
    return path;
}

std::string documentFile(const std::filesystem::path& pdf, bool temporaryCopy, int index)
{
    if (!temporaryCopy) {
        return pdf.string();
    }
    const std::filesystem::path folder = *ZKFileManager::sharedInstance()->createEmptyTemporaryFolder();
    const auto copy = folder / ("contract" + std::to_string(index) + ".pdf");
    std::filesystem::copy_file(pdf, copy, std::filesystem::copy_options::overwrite_existing);
    return copy.string();
}

std::shared_ptr<VTTransaction> largeTransaction(const std::filesystem::path& pdf, bool temporaryCopies)
{
    return composer_bench::sampleTransaction("Quarterly contracts", documentCount, recipientCount,
                                             [&](int index) { return documentFile(pdf, temporaryCopies, index); });
}

void closeLargeTransaction(benchmark::State& state)
{
    const auto pdf = writeSamplePdf();
    composer_bench::ComposerWindow composer;
    for (auto _ : state) {
        state.PauseTiming();
        const auto page = composer.open(largeTransaction(pdf, state.range(0) == 1));
        state.ResumeTiming();
        page->closeButton.lock()->sendActions(platform::ui::ControlEvent::touchUpInside);
        state.PauseTiming();
        composer.close();
        state.ResumeTiming();
    }
    std::filesystem::remove(pdf);
}
BENCHMARK(closeLargeTransaction)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

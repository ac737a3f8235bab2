// Ten dropped 4000 x 3000 photos through the importer into the new transaction: each is
// decoded, redrawn to 1024 points, encoded as JPEG and converted to a PDF document.
#include "composer/DragAndDropHelper.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "samples/SamplePhoto.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kPhotos = 10;

void ImportTenPhotos(benchmark::State& state)
{
    const auto home = std::filesystem::temp_directory_path() / "veltra-composer-bench";
    std::filesystem::create_directories(home);
    platform::Environment::setHomeDirectory(home);
    platform::RunLoop::main().bindToCurrentThread();
    const auto photo = std::make_shared<DragAndDropDocument>(bench_samples::samplePhotoJpeg(), "public.image");
    const DragAndDropHelper::Documents photos(kPhotos, photo);
    std::vector<std::string> names;
    for (int index = 0; index < kPhotos; ++index) {
        names.push_back("photo-" + std::to_string(index) + ".jpg");
    }
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    for (auto _ : state) {
        model->clearNewTransactionData();
        // An importer belongs to the transaction composed when it is made.
        const auto importer = std::make_shared<DragAndDropHelper>();
        importer->addFiles(photos, names, std::nullopt);
        bool done = false;
        importer->startImportingDocuments([&](const std::vector<DragAndDropHelper::RefusedFile>&) { done = true; });
        if (!platform::RunLoop::main().runUntil([&] { return done; }, 60) || model->documentsNumber() != kPhotos) {
            state.SkipWithError("the batch did not add every photo");
            break;
        }
    }
    state.SetLabel(std::to_string(photo->data()->size() / 1024) + " KB photos");
    std::filesystem::remove_all(home);
}
BENCHMARK(ImportTenPhotos)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// The first open of the main page in a fresh home, as a host's first launch does it: no
// store file yet and no SDK object made. Wall time, since what the main thread waits for
// (a disk sync) counts as much as what it computes. The first iteration also pays for
// what the process does once (fonts, the text shaper); the mean is over fresh homes.
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"
#include "samples/HostWindow.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace {

void openMainPageInAFreshHome(benchmark::State& state)
{
    const auto homes =
        std::filesystem::temp_directory_path() / ("veltra-fresh-home-bench-" + std::to_string(std::random_device()()));
    auto& loop = platform::RunLoop::main();
    int serial = 0;
    for (auto _ : state) {
        state.PauseTiming();
        platform::SharedInstances::resetAll();
        loop.reset();
        loop.bindToCurrentThread();
        loop.useManualClock();
        platform::Environment::setHomeDirectory(homes / std::to_string(serial++));
        const bench::HostWindow host;
        state.ResumeTiming();
        Veltra::dashboard()->createAndStartEditWithTransaction(std::make_shared<VTTransaction>(), true, true, true);
        loop.advance(1);
        host.window->layoutIfNeeded();
    }
    platform::SharedInstances::resetAll();
    std::filesystem::remove_all(homes);
}
BENCHMARK(openMainPageInAFreshHome)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

#include "ComposerWindow.h"
#include "SampleTransaction.h"
#include "sdk/VTTransaction.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int documentCount = 50;
constexpr int recipientCount = 200;

std::shared_ptr<VTTransaction> largeTransaction()
{
    return composer_bench::sampleTransaction("Quarterly contracts", documentCount, recipientCount);
}

// Opening the main page on a host-built transaction of 50 documents and 200 recipients:
// the model answers at once, so this is the page loading, filling and laying out its
// table on a phone's window, push transition included.
void openMainPage(benchmark::State& state)
{
    composer_bench::ComposerWindow composer;
    for (auto _ : state) {
        state.PauseTiming();
        const auto transaction = largeTransaction();
        state.ResumeTiming();
        composer.open(transaction);
        state.PauseTiming();
        composer.close();
        state.ResumeTiming();
    }
}
BENCHMARK(openMainPage)->Unit(benchmark::kMillisecond);

} // namespace

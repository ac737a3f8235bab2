#include "DataManager/VTTransactionSyncQueue.h"
#include "DataManager/ZKTransactionManager.h"
#include "foundation/Environment.h"
#include "foundation/Log.h"
#include "foundation/SharedInstances.h"
#include "foundation/UserDefaults.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

// Remembers how deep the stack went below the point where draining began.
struct DepthDelegate : VTSynchronizationResultDelegate {
    void didSynchronizeTransaction(const Dictionary&) override { record(); }
    void synchronizingFailedForTransaction(const Dictionary&) override { record(); }
    void record()
    {
        char here = 0;
        deepest = std::min(deepest, reinterpret_cast<std::uintptr_t>(&here));
        ++finished;
    }
    std::uintptr_t deepest = UINTPTR_MAX;
    std::size_t finished = 0;
};

// The SDK started in a fresh home with an empty store, synchronising switched off.
class SyncHome {
public:
    SyncHome()
    {
        platform::Log::setSink([](std::string_view, std::string_view) {});
        home_ = std::filesystem::temp_directory_path() / ("veltra-sync-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(home_);
        platform::Environment::setHomeDirectory(home_);
        platform::SharedInstances::resetAll();
        ZKTransactionManager::sharedInstance();
        setAutomatic(false);
    }
    ~SyncHome()
    {
        platform::SharedInstances::resetAll();
        std::filesystem::remove_all(home_);
    }

    static void setAutomatic(bool on)
    {
        platform::UserDefaults::standard().setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, on);
    }

    static std::vector<std::string> guids(std::size_t count)
    {
        std::vector<std::string> made;
        for (std::size_t index = 0; index < count; ++index) {
            made.push_back("5C3E1A70-0000-4000-8000-" + std::to_string(100'000'000'000 + index));
        }
        return made;
    }

private:
    std::filesystem::path home_;
};

// Every add checks for a duplicate among those already queued.
void BM_QueueGuids(benchmark::State& state)
{
    const SyncHome home;
    const auto guids = SyncHome::guids(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        VTTransactionSyncQueue::clearData();
        const auto queue = VTTransactionSyncQueue::sharedInstance();
        state.ResumeTiming();
        for (const auto& guid : guids) {
            queue->addTransaction(guid);
        }
        benchmark::DoNotOptimize(queue->queuedTransactions().size());
    }
}
BENCHMARK(BM_QueueGuids)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Transactions the store does not hold finish at once; switching synchronising on drains
// the whole queue. stack_bytes is how far below the drain's start the stack went.
void BM_DrainGuidsThatFinishAtOnce(benchmark::State& state)
{
    const SyncHome home;
    const auto guids = SyncHome::guids(static_cast<std::size_t>(state.range(0)));
    std::uintptr_t stackBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SyncHome::setAutomatic(false);
        VTTransactionSyncQueue::clearData();
        const auto queue = VTTransactionSyncQueue::sharedInstance();
        const auto delegate = std::make_shared<DepthDelegate>();
        queue->setResultDelegate(delegate);
        for (const auto& guid : guids) {
            queue->addTransaction(guid);
        }
        char start = 0;
        state.ResumeTiming();
        SyncHome::setAutomatic(true);
        state.PauseTiming();
        if (delegate->finished != guids.size()) {
            state.SkipWithError("the queue did not drain");
        }
        stackBytes = reinterpret_cast<std::uintptr_t>(&start) - delegate->deepest;
        state.ResumeTiming();
    }
    state.counters["stack_bytes"] = static_cast<double>(stackBytes);
}
BENCHMARK(BM_DrainGuidsThatFinishAtOnce)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// The sample host's walk through every screen, replayed: each injected event's main-thread
// SDK work (the event and the run-loop work it sets off, drawing PNGs left out), reported
// as the slowest and the 99th percentile event, with the slowest events by name.
#include "EventTimings.h"
#include "HostWalk.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <iostream>
#include <sstream>

namespace {

// The walk prints what a user would see; the benchmark's own output is its figures.
void walkQuietly(const std::filesystem::path& output)
{
    std::ostringstream discarded;
    auto* const console = std::cout.rdbuf(discarded.rdbuf());
    host::walkEveryPart(output);
    std::cout.rdbuf(console);
}

void BM_WalkEvents(benchmark::State& state)
{
    const auto output = std::filesystem::temp_directory_path() / "veltra-walk-bench";
    std::filesystem::remove_all(output);
    host::setUpDevice(output);
    auto& timings = host::EventTimings::shared();
    for (auto _ : state) {
        timings.clear();
        walkQuietly(output);
    }
    const auto events = host::slowestFirst(timings.events());
    if (events.empty()) {
        state.SkipWithError("the walk injected no events");
        return;
    }
    const auto rank = static_cast<std::size_t>(std::floor(0.01 * static_cast<double>(events.size())));
    state.counters["events"] = static_cast<double>(events.size());
    state.counters["max_ms"] = events.front().seconds * 1000;
    state.counters["p99_ms"] = events[rank].seconds * 1000;
    host::printSlowest("Main-thread SDK work per event of the walk", events, 10);
    host::printSlowest("Set-up of each part, not an event", timings.setUps(), 5);
    std::filesystem::remove_all(output);
}

} // namespace

BENCHMARK(BM_WalkEvents)->Iterations(1)->Unit(benchmark::kMillisecond);

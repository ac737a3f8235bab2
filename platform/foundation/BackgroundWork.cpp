#include "foundation/BackgroundWork.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace platform {

namespace {

// Long enough for a request to a peer that is answering to finish; short enough that a
// process does not seem to hang on work that waits for a reply that will never come.
constexpr auto kExitWait = std::chrono::seconds(1);

// Never destroyed: workers reach it until the very end of the process.
struct Tally {
    std::mutex mutex;
    std::condition_variable finished;
    std::size_t running = 0;
};

Tally& tally()
{
    static auto* value = new Tally();
    return *value;
}

void waitAtExit()
{
    auto& state = tally();
    std::unique_lock lock(state.mutex);
    state.finished.wait_for(lock, kExitWait, [&state] { return state.running == 0; });
}

// Exit handlers run in reverse order of registration, so registering on the first start
// puts the wait before the tear-down of whatever was set up before any work began.
void registerExitWaitOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { std::atexit(waitAtExit); });
}

void finishOne()
{
    auto& state = tally();
    {
        std::lock_guard lock(state.mutex);
        --state.running;
    }
    state.finished.notify_all();
}

// The work is let go before it is counted out, so that nothing it holds is released
// after a waiter has been told it is done.
void runCounted(std::function<void()> work)
{
    struct Finish {
        ~Finish() { finishOne(); }
    } finish;
    const auto job = std::move(work);
    job();
}

} // namespace

void BackgroundWork::start(std::function<void()> work)
{
    registerExitWaitOnce();
    {
        std::lock_guard lock(tally().mutex);
        ++tally().running;
    }
    try {
        std::thread(runCounted, std::move(work)).detach();
    } catch (...) {
        finishOne();
        throw;
    }
}

std::size_t BackgroundWork::inFlight()
{
    std::lock_guard lock(tally().mutex);
    return tally().running;
}

} // namespace platform

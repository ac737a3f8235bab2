#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <queue>
#include <string_view>
#include <thread>
#include <vector>

namespace platform {

// The main run loop: one thread runs the tasks posted to it, in order, and the timers
// that fall due against its clock. The clock is real in the host and manual in tests,
// where advance() moves time and runs what falls due in time order.
class RunLoop {
public:
    using Task = std::function<void()>;

    static RunLoop& main();

    // Posting is safe from any thread.
    void dispatchAsync(Task task);
    void dispatchAfter(double seconds, Task task);
    // Runs the task now when called on the main thread, else runs it on the main thread
    // and waits for it.
    void runSync(const Task& task);

    bool isMainThread() const;
    // For code that touches main-thread state and is reached from other threads through a
    // hop to the main one: elsewhere it stops the process, naming `what`, so a missing hop
    // fails every run that reaches it instead of racing now and then. Active in every build.
    void assertMainThread(std::string_view what) const;
    // Makes the calling thread the main thread (the first thread to ask is by default).
    void bindToCurrentThread();

    // Seconds on the loop's clock.
    double now() const;
    void useManualClock();
    void useRealClock();
    bool usesManualClock() const;
    // Manual clock only: moves time forward, running every task that falls due on the way.
    void advance(double seconds);

    // Runs every task that is ready now (timers already due included) until none is left;
    // answers how many ran.
    std::size_t runUntilIdle();
    // Runs tasks until the predicate holds or the real-time timeout passes; answers the
    // predicate's last value.
    bool runUntil(const std::function<bool()>& predicate, double timeoutSeconds);
    // Runs tasks until the predicate holds or the clock has moved `seconds`. On the manual
    // clock, time leaps to the next timer whenever no task is ready and no background work
    // is in flight, so waits for animations and delays take no real time; background work
    // is waited for up to `seconds` of real time. On the real clock it is runUntil. Answers
    // the predicate's last value.
    bool advanceUntil(const std::function<bool()>& predicate, double seconds);
    // Runs until stop() is called.
    void run();
    void stop();

    // Drops every pending task and timer and returns to the real clock.
    void reset();

private:
    struct Timer {
        double due;
        std::uint64_t sequence;
        Task task;
        bool operator>(const Timer& other) const
        {
            return due != other.due ? due > other.due : sequence > other.sequence;
        }
    };

    RunLoop();
    bool runOne(std::unique_lock<std::mutex>& lock);
    bool hasReadyTask() const { return readyHead_ < ready_.size(); }
    double clockNow() const;
    void waitForWork(std::unique_lock<std::mutex>& lock, std::chrono::steady_clock::time_point deadline);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Task> ready_;
    std::size_t readyHead_ = 0;
    std::priority_queue<Timer, std::vector<Timer>, std::greater<>> timers_;
    std::uint64_t nextSequence_ = 0;
    std::thread::id mainThread_;
    bool manualClock_ = false;
    double manualNow_ = 0;
    bool stopped_ = false;
    std::chrono::steady_clock::time_point origin_;
};

} // namespace platform

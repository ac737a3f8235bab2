#include "foundation/RunLoop.h"

#include "foundation/BackgroundWork.h"
#include "foundation/SharedInstances.h"

#include <cstdlib>
#include <future>
#include <iostream>

namespace platform {

namespace {

std::chrono::steady_clock::duration toDuration(double seconds)
{
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
}

} // namespace

RunLoop::RunLoop()
    : mainThread_(std::this_thread::get_id())
    , origin_(std::chrono::steady_clock::now())
{
}

RunLoop& RunLoop::main()
{
    static RunLoop* loop = [] {
        auto* created = new RunLoop();
        SharedInstances::registerReset([created] { created->reset(); });
        return created;
    }();
    return *loop;
}

void RunLoop::dispatchAsync(Task task)
{
    {
        std::lock_guard lock(mutex_);
        ready_.push_back(std::move(task));
    }
    wake_.notify_all();
}

void RunLoop::dispatchAfter(double seconds, Task task)
{
    {
        std::lock_guard lock(mutex_);
        timers_.push(Timer{clockNow() + std::max(seconds, 0.0), nextSequence_++, std::move(task)});
    }
    wake_.notify_all();
}

void RunLoop::runSync(const Task& task)
{
    if (isMainThread()) {
        task();
        return;
    }
    std::promise<void> done;
    dispatchAsync([&task, &done] {
        try {
            task();
            done.set_value();
        } catch (...) {
            done.set_exception(std::current_exception());
        }
    });
    done.get_future().get();
}

bool RunLoop::isMainThread() const
{
    std::lock_guard lock(mutex_);
    return std::this_thread::get_id() == mainThread_;
}

void RunLoop::assertMainThread(std::string_view what) const
{
    if (isMainThread()) {
        return;
    }
    std::cerr << what << " must run on the main thread, but ran on another one\n";
    std::abort();
}

void RunLoop::bindToCurrentThread()
{
    std::lock_guard lock(mutex_);
    mainThread_ = std::this_thread::get_id();
}

double RunLoop::now() const
{
    std::lock_guard lock(mutex_);
    return clockNow();
}

double RunLoop::clockNow() const
{
    if (manualClock_)
        return manualNow_;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - origin_).count();
}

void RunLoop::useManualClock()
{
    std::lock_guard lock(mutex_);
    if (!manualClock_)
        manualNow_ = clockNow();
    manualClock_ = true;
}

void RunLoop::useRealClock()
{
    std::lock_guard lock(mutex_);
    if (manualClock_)
        origin_ = std::chrono::steady_clock::now() - toDuration(manualNow_);
    manualClock_ = false;
}

bool RunLoop::usesManualClock() const
{
    std::lock_guard lock(mutex_);
    return manualClock_;
}

void RunLoop::advance(double seconds)
{
    std::unique_lock lock(mutex_);
    const double target = (manualClock_ ? manualNow_ : clockNow()) + std::max(seconds, 0.0);
    for (;;) {
        while (runOne(lock)) {
        }
        if (timers_.empty() || timers_.top().due > target)
            break;
        // Time jumps to the next timer so that work it schedules lands in order.
        manualNow_ = std::max(manualNow_, timers_.top().due);
    }
    manualNow_ = target;
}

bool RunLoop::runOne(std::unique_lock<std::mutex>& lock)
{
    Task task;
    if (readyHead_ < ready_.size()) {
        task = std::move(ready_[readyHead_++]);
        if (readyHead_ == ready_.size()) {
            ready_.clear();
            readyHead_ = 0;
        }
    } else if (!timers_.empty() && timers_.top().due <= clockNow()) {
        task = std::move(const_cast<Timer&>(timers_.top()).task);
        timers_.pop();
    } else {
        return false;
    }
    lock.unlock();
    task();
    lock.lock();
    return true;
}

std::size_t RunLoop::runUntilIdle()
{
    std::unique_lock lock(mutex_);
    std::size_t count = 0;
    while (runOne(lock))
        ++count;
    return count;
}

void RunLoop::waitForWork(std::unique_lock<std::mutex>& lock, std::chrono::steady_clock::time_point deadline)
{
    if (hasReadyTask() || stopped_)
        return;
    auto until = deadline;
    if (!manualClock_ && !timers_.empty())
        until = std::min(until, origin_ + toDuration(timers_.top().due));
    wake_.wait_until(lock, until);
}

bool RunLoop::runUntil(const std::function<bool()>& predicate, double timeoutSeconds)
{
    const auto deadline = std::chrono::steady_clock::now() + toDuration(timeoutSeconds);
    std::unique_lock lock(mutex_);
    for (;;) {
        while (runOne(lock)) {
            lock.unlock();
            const bool done = predicate();
            lock.lock();
            if (done)
                return true;
        }
        lock.unlock();
        if (predicate())
            return true;
        lock.lock();
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        // Short waits, so that a predicate made true by another thread is noticed soon.
        waitForWork(lock, std::min(deadline, now + std::chrono::milliseconds(5)));
    }
}

bool RunLoop::advanceUntil(const std::function<bool()>& predicate, double seconds)
{
    if (!usesManualClock())
        return runUntil(predicate, seconds);
    const auto deadline = std::chrono::steady_clock::now() + toDuration(seconds);
    std::unique_lock lock(mutex_);
    const double limit = manualNow_ + std::max(seconds, 0.0);
    for (;;) {
        while (runOne(lock)) {
        }
        lock.unlock();
        if (predicate())
            return true;
        // Work finished on another thread has posted its answer before it is counted out.
        const bool working = BackgroundWork::inFlight() > 0;
        lock.lock();
        if (hasReadyTask())
            continue;
        const auto now = std::chrono::steady_clock::now();
        if (working && now < deadline) {
            waitForWork(lock, std::min(deadline, now + std::chrono::milliseconds(5)));
            continue;
        }
        if (timers_.empty() || timers_.top().due > limit) {
            manualNow_ = std::max(manualNow_, limit);
            break;
        }
        manualNow_ = std::max(manualNow_, timers_.top().due);
    }
    lock.unlock();
    return predicate();
}

void RunLoop::run()
{
    std::unique_lock lock(mutex_);
    stopped_ = false;
    while (!stopped_) {
        while (!stopped_ && runOne(lock)) {
        }
        if (!stopped_)
            waitForWork(lock, std::chrono::steady_clock::now() + std::chrono::seconds(1));
    }
}

void RunLoop::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    wake_.notify_all();
}

void RunLoop::reset()
{
    std::vector<Task> dropped;
    decltype(timers_) droppedTimers;
    {
        std::lock_guard lock(mutex_);
        dropped.swap(ready_);
        readyHead_ = 0;
        droppedTimers.swap(timers_);
        manualClock_ = false;
        manualNow_ = 0;
        stopped_ = false;
        origin_ = std::chrono::steady_clock::now();
    }
}

} // namespace platform

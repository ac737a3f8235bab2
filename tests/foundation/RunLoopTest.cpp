#include "foundation/RunLoop.h"

#include "foundation/BackgroundWork.h"
#include "support/VeltraTest.h"

#include <atomic>
#include <thread>

using platform::RunLoop;

class RunLoopTest : public testing_support::VeltraTest {
protected:
    RunLoop& loop = RunLoop::main();
    std::vector<std::string> order;
};

TEST_F(RunLoopTest, AdvanceRunsTimersInDueOrderIncludingOnesScheduledOnTheWay)
{
    const double start = loop.now();
    loop.dispatchAfter(0.4, [&] { order.push_back("0.4"); });
    loop.dispatchAfter(0.1, [&] {
        order.push_back("0.1");
        loop.dispatchAfter(0.2, [&] { order.push_back("0.1+0.2"); });
        loop.dispatchAsync([&] { order.push_back("async from 0.1"); });
    });
    loop.dispatchAfter(0.25, [&] { order.push_back("0.25"); });

    loop.advance(0.2);
    EXPECT_EQ(order, (std::vector<std::string>{"0.1", "async from 0.1"}));
    EXPECT_DOUBLE_EQ(loop.now(), start + 0.2);

    loop.advance(1.0);
    EXPECT_EQ(order, (std::vector<std::string>{"0.1", "async from 0.1", "0.25", "0.1+0.2", "0.4"}));
}

TEST_F(RunLoopTest, TimersWithTheSameDueTimeRunInTheOrderTheyWereScheduled)
{
    for (int i = 0; i < 5; ++i)
        loop.dispatchAfter(0.5, [this, i] { order.push_back(std::to_string(i)); });
    loop.advance(0.5);
    EXPECT_EQ(order, (std::vector<std::string>{"0", "1", "2", "3", "4"}));
}

TEST_F(RunLoopTest, RunUntilIdleDoesNotRunFutureTimers)
{
    loop.dispatchAsync([&] { order.push_back("now"); });
    loop.dispatchAfter(0.01, [&] { order.push_back("later"); });
    EXPECT_EQ(loop.runUntilIdle(), 1u);
    EXPECT_EQ(order, (std::vector<std::string>{"now"}));
}

TEST_F(RunLoopTest, RunSyncRunsAtOnceOnTheMainThreadAndWaitsFromAWorker)
{
    bool ranInline = false;
    loop.runSync([&] { ranInline = true; });
    EXPECT_TRUE(ranInline);

    std::atomic<bool> workerDone{false};
    std::atomic<bool> ranOnMain{false};
    std::thread worker([&] {
        loop.runSync([&] { ranOnMain = loop.isMainThread(); });
        workerDone = true;
    });
    EXPECT_TRUE(loop.runUntil([&] { return workerDone.load(); }, testing_support::kWorkWaitSeconds));
    worker.join();
    EXPECT_TRUE(ranOnMain);
}

TEST_F(RunLoopTest, RunUntilWaitsForPostsFromOtherThreadsAndGivesUpAfterTheTimeout)
{
    std::atomic<int> value{0};
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        loop.dispatchAsync([&] { value = 42; });
    });
    EXPECT_TRUE(loop.runUntil([&] { return value == 42; }, testing_support::kWorkWaitSeconds));
    worker.join();
    EXPECT_FALSE(loop.runUntil([] { return false; }, 0.05));
}

TEST_F(RunLoopTest, AdvanceUntilLeapsToTimersOnlyOnceBackgroundWorkHasAnswered)
{
    const double start = loop.now();
    loop.dispatchAfter(0.05, [&] { order.push_back("timer"); });
    platform::BackgroundWork::start([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        loop.dispatchAsync([this] { order.push_back("answer"); });
    });
    loop.dispatchAfter(0.3, [&] { order.push_back("done"); });
    EXPECT_TRUE(loop.advanceUntil([&] { return order.size() == 3; }, 10));
    EXPECT_EQ(order, (std::vector<std::string>{"answer", "timer", "done"}));
    EXPECT_DOUBLE_EQ(loop.now(), start + 0.3);

    loop.dispatchAfter(5, [&] { order.push_back("too late"); });
    EXPECT_FALSE(loop.advanceUntil([] { return false; }, 1));
    EXPECT_DOUBLE_EQ(loop.now(), start + 1.3);
    EXPECT_EQ(order.size(), 3u);
}

TEST_F(RunLoopTest, ResetDropsPendingWork)
{
    loop.dispatchAsync([&] { order.push_back("dropped"); });
    loop.dispatchAfter(1, [&] { order.push_back("dropped timer"); });
    loop.reset();
    loop.useManualClock();
    loop.advance(2);
    EXPECT_TRUE(order.empty());
}

TEST_F(RunLoopTest, WorkForTheMainThreadStopsTheProcessWhenItRunsOnAnother)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    loop.assertMainThread("The page's update");
    EXPECT_DEATH(std::thread([&] { loop.assertMainThread("The page's update"); }).join(),
                 "The page's update must run on the main thread");
}

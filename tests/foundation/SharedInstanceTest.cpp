#include "foundation/SharedInstances.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

struct Counter {
    int value = 0;
};

} // namespace

TEST(SharedInstanceTest, OneInstanceForConcurrentCallersUntilReset)
{
    std::vector<std::shared_ptr<Counter>> seen(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = platform::SharedInstance<Counter>::get(); });
    for (auto& thread : threads)
        thread.join();
    for (const auto& instance : seen)
        EXPECT_EQ(instance, seen.front());

    seen.front()->value = 5;
    platform::SharedInstances::resetAll();
    EXPECT_EQ(platform::SharedInstance<Counter>::get()->value, 0);
}

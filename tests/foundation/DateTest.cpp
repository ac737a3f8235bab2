#include "foundation/Date.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"

#include "support/VeltraTest.h"

#include <chrono>

using platform::Date;

class DateTest : public testing_support::VeltraTest {};

TEST_F(DateTest, APinnedClockMovesOnlyWithTheRunLoopAndAResetUnpinsIt)
{
    const Date pinned(1767225600); // 1 January 2026, 00:00 UTC
    Date::pinNow(pinned);
    EXPECT_EQ(Date::now(), pinned);
    platform::RunLoop::main().advance(90);
    EXPECT_EQ(Date::now(), pinned.byAdding(90));

    platform::SharedInstances::resetAll();
    const auto wall = [] {
        return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    };
    // Read between two readings of the wall clock, however long the machine takes between them.
    const double before = wall();
    const double now = Date::now().timeIntervalSince1970();
    const double after = wall();
    EXPECT_LE(before, now) << "the wall clock again";
    EXPECT_LE(now, after) << "the wall clock again";
}

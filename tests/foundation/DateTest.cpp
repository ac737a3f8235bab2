#include "foundation/Date.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"

#include "support/VeltraTest.h"

#include <chrono>
#include <cmath>

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
    const double wall =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    EXPECT_LT(std::fabs(Date::now().timeIntervalSince1970() - wall), 5) << "the wall clock again";
}

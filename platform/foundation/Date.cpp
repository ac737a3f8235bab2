#include "foundation/Date.h"

#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"

#include <chrono>
#include <mutex>
#include <optional>

namespace platform {

namespace {

struct Pin {
    Date moment;
    double loopSeconds;
};

// The pinned wall clock: process-wide by nature, like the clock it stands in for.
struct PinnedClock {
    std::mutex mutex;
    std::optional<Pin> pin;

    PinnedClock()
    {
        SharedInstances::registerReset([this] {
            std::lock_guard lock(mutex);
            pin.reset();
        });
    }
};

PinnedClock& pinnedClock()
{
    static PinnedClock clock;
    return clock;
}

} // namespace

Date Date::now()
{
    auto& clock = pinnedClock();
    std::optional<Pin> pin;
    {
        std::lock_guard lock(clock.mutex);
        pin = clock.pin;
    }
    if (pin) {
        return pin->moment.byAdding(RunLoop::main().now() - pin->loopSeconds);
    }
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return Date(std::chrono::duration<double>(since).count());
}

void Date::pinNow(const Date& moment)
{
    const double loopSeconds = RunLoop::main().now();
    auto& clock = pinnedClock();
    std::lock_guard lock(clock.mutex);
    clock.pin = Pin{moment, loopSeconds};
}

void Date::unpinNow()
{
    auto& clock = pinnedClock();
    std::lock_guard lock(clock.mutex);
    clock.pin.reset();
}

} // namespace platform

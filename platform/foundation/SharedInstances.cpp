#include "foundation/SharedInstances.h"

#include <vector>

namespace platform {

namespace {

// The one documented registry of resettable shared instances; like the instances, it is
// never destroyed.
struct Registry {
    std::mutex mutex;
    std::vector<std::function<void()>> resets;
};

Registry& registry()
{
    static auto* value = new Registry();
    return *value;
}

} // namespace

void SharedInstances::registerReset(std::function<void()> reset)
{
    std::lock_guard lock(registry().mutex);
    registry().resets.push_back(std::move(reset));
}

void SharedInstances::resetAll()
{
    std::vector<std::function<void()>> resets;
    {
        std::lock_guard lock(registry().mutex);
        resets = registry().resets;
    }
    for (const auto& reset : resets)
        reset();
}

} // namespace platform

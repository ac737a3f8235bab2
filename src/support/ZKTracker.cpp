#include "support/ZKTracker.h"

#include "support/ZKUtil.h"

std::shared_ptr<ZKTracker> ZKTracker::sharedInstance()
{
    if (ZKUtil::isRestrictedEnvironment()) {
        return nullptr;
    }
    return std::make_shared<ZKTracker>(std::weak_ptr<ZKTrackerTarget>());
}

void ZKTracker::reportScreen(const std::string& name)
{
    if (const auto tracker = sharedInstance()) {
        tracker->logScreenWithName(name);
    }
}

void ZKTracker::reportEvent(const std::string& action)
{
    if (const auto tracker = sharedInstance()) {
        tracker->logEventWithAction(action);
    }
}

void ZKTracker::logScreenWithName(const std::string& name) const
{
    const auto target = target_.lock();
    if (target && target->respondsToLogScreenWithName()) {
        target->logScreenWithName(name);
    }
}

void ZKTracker::logEventWithAction(const std::string& action) const
{
    const auto target = target_.lock();
    if (target && target->respondsToLogEventWithActionForValue()) {
        target->logEventWithActionForValue(action, "Tap");
    }
}

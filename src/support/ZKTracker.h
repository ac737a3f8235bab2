#pragma once

#include <memory>
#include <string>

// The host's analytics object. Both reports are optional: the tracker asks first whether
// the host handles one.
class ZKTrackerTarget {
public:
    virtual ~ZKTrackerTarget() = default;

    virtual bool respondsToLogScreenWithName() const { return false; }
    virtual void logScreenWithName(const std::string&) {}
    virtual bool respondsToLogEventWithActionForValue() const { return false; }
    virtual void logEventWithActionForValue(const std::string&, const std::string&) {}
};

// Forwards screen names and tapped actions to the host's analytics object. The SDK
// always treats its environment as restricted (ZKUtil::isRestrictedEnvironment), so the
// shared instance is nil and callers, who report only to a non-nil tracker, send nothing.
class ZKTracker {
public:
    // nullptr while the environment is restricted, which is always.
    static std::shared_ptr<ZKTracker> sharedInstance();
    // A screen's name and a tapped action, sent to the shared tracker when there is one:
    // what every screen reports.
    static void reportScreen(const std::string& name);
    static void reportEvent(const std::string& action);

    explicit ZKTracker(std::weak_ptr<ZKTrackerTarget> target) : target_(std::move(target)) {}

    void logScreenWithName(const std::string& name) const;
    // Sent as an event with the value "Tap".
    void logEventWithAction(const std::string& action) const;

private:
    std::weak_ptr<ZKTrackerTarget> target_;
};

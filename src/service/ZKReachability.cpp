#include "service/ZKReachability.h"

#include "foundation/NotificationCenter.h"
#include "foundation/SharedInstances.h"

std::shared_ptr<ZKReachability> ZKReachability::sharedInstance()
{
    return platform::SharedInstance<ZKReachability>::get();
}

void ZKReachability::setStatus(bool connected, bool wifi)
{
    const bool wasConnected = connected_.exchange(connected);
    const bool wasOnWifi = wifi_.exchange(wifi);
    if (wasConnected == connected && wasOnWifi == wifi) {
        return;
    }
    platform::NotificationCenter::defaultCenter().post(kConnectionChangedNotification, nullptr,
                                                       {{"connected", connected}, {"wifi", wifi}});
}

#include "service/ZKReachability.h"

#include "foundation/SharedInstances.h"

std::shared_ptr<ZKReachability> ZKReachability::sharedInstance()
{
    return platform::SharedInstance<ZKReachability>::get();
}

void ZKReachability::setStatus(bool connected, bool wifi)
{
    connected_ = connected;
    wifi_ = wifi;
}

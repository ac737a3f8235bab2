#include "service/ZKServerSettings.h"

#include "foundation/SharedInstances.h"

#include <utility>

std::shared_ptr<ZKServerSettings> ZKServerSettings::sharedInstance()
{
    return platform::SharedInstance<ZKServerSettings>::get();
}

std::optional<std::string> ZKServerSettings::serverAddress() const
{
    std::lock_guard lock(mutex_);
    return serverAddress_;
}

void ZKServerSettings::setServerAddress(std::optional<std::string> address)
{
    std::lock_guard lock(mutex_);
    serverAddress_ = std::move(address);
}

std::string ZKServerSettings::appId() const
{
    std::lock_guard lock(mutex_);
    return appId_;
}

void ZKServerSettings::setAppId(std::string appId)
{
    std::lock_guard lock(mutex_);
    appId_ = std::move(appId);
}

#include "sdk/Veltra.h"

#include "foundation/SharedInstances.h"
#include "sdk/VTEmailAddressFormat.h"
#include "service/ZKServerSettings.h"
#include "support/ZKLogger.h"

std::shared_ptr<Veltra> Veltra::dashboard()
{
    auto facade = platform::SharedInstance<Veltra>::get();
    ZKLogger::setThreshold(facade->logLevel_);
    return facade;
}

void Veltra::setLogLevel(int level)
{
    logLevel_ = level;
    ZKLogger::setThreshold(level);
}

void Veltra::setServerAddress(const std::string& address)
{
    serverAddress_ = address;
    ZKServerSettings::sharedInstance()->setServerAddress(address);
}

std::shared_ptr<VeltraSynchronizationQueueDelegate> Veltra::synchronizationQueueDelegate() const
{
    return synchronizationQueueDelegate_.lock();
}

void Veltra::setSynchronizationQueueDelegate(const std::shared_ptr<VeltraSynchronizationQueueDelegate>& delegate)
{
    synchronizationQueueDelegate_ = delegate;
}

std::shared_ptr<VeltraColorPaletteDelegate> Veltra::colorPaletteDelegate() const
{
    return colorPaletteDelegate_.lock();
}

void Veltra::setColorPaletteDelegate(const std::shared_ptr<VeltraColorPaletteDelegate>& delegate)
{
    colorPaletteDelegate_ = delegate;
}

bool Veltra::isEmailFormatValid(const std::optional<std::string>& email)
{
    return email && VTEmailAddressFormat::isValid(*email);
}

std::optional<std::string> Veltra::previewLoadPath()
{
    return dashboard()->previewLoadPath_;
}

void Veltra::setPreviewLoadPath(std::optional<std::string> path)
{
    dashboard()->previewLoadPath_ = std::move(path);
}

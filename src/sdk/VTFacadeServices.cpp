#include "sdk/VTFacadeServices.h"

#include "ui/ViewController.h"

namespace {

std::shared_ptr<VTFacadeServices>& installedServices()
{
    static std::shared_ptr<VTFacadeServices> services = std::make_shared<VTFacadeServices>();
    return services;
}

} // namespace

VTFacadeServices& VTFacadeServices::installed()
{
    return *installedServices();
}

void VTFacadeServices::install(std::shared_ptr<VTFacadeServices> services)
{
    installedServices() = std::move(services);
}

std::shared_ptr<VeltraDelegate> VTFacadeServices::delegate() const
{
    return nullptr;
}

std::vector<std::string> VTFacadeServices::embargoedCallingCodes() const
{
    return {};
}

void VTFacadeServices::preFetchTransactionWithGUIDAndCallback(const std::string&, const Callback& callback)
{
    if (callback) {
        callback(Dictionary::object());
    }
}

void VTFacadeServices::transactionWithGUIDCachedWithCallback(const std::string&, bool, const Callback& callback)
{
    if (callback) {
        callback(Dictionary::object());
    }
}

void VTFacadeServices::showTransactionOnCeremonyScreens(const std::shared_ptr<ZKTransaction>&)
{
}

std::shared_ptr<platform::ui::ViewController> VTFacadeServices::rootViewController() const
{
    return nullptr;
}

void VTFacadeServices::exitSDK()
{
}

std::optional<std::string> VTFacadeServices::previewLoadPath() const
{
    return std::nullopt;
}

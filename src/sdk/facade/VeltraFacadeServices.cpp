#include "sdk/facade/VeltraFacadeServices.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "sdk/facade/Veltra.h"
#include "sdk/facade/VeltraExitReporter.h"

std::shared_ptr<VeltraDelegate> VeltraFacadeServices::delegate() const
{
    return Veltra::dashboard()->delegate();
}

std::vector<std::string> VeltraFacadeServices::embargoedCallingCodes() const
{
    return Veltra::dashboard()->embargoedCallingCodes();
}

void VeltraFacadeServices::preFetchTransactionWithGUIDAndCallback(const std::string& guid, const Callback& callback)
{
    Veltra::dashboard()->preFetchTransactionWithGUIDAndCallback(guid, callback);
}

void VeltraFacadeServices::transactionWithGUIDCachedWithCallback(const std::string& guid, bool cached,
                                                                 const Callback& callback)
{
    Veltra::dashboard()->transactionWithGUIDCachedWithCallback(guid, cached, callback);
}

void VeltraFacadeServices::showTransactionOnCeremonyScreens(const std::shared_ptr<ZKTransaction>& transaction)
{
    const auto manager = ZKCTouchManager::sharedInstance();
    manager->setExitHandler(VeltraExitReporter::handler());
    manager->showTransactionOnViewController(transaction, Veltra::dashboard()->rootViewController());
}

std::shared_ptr<platform::ui::ViewController> VeltraFacadeServices::rootViewController() const
{
    return Veltra::dashboard()->rootViewController();
}

void VeltraFacadeServices::exitSDK()
{
    Veltra::dashboard()->exitSDK();
}

std::optional<std::string> VeltraFacadeServices::previewLoadPath() const
{
    return Veltra::previewLoadPath();
}

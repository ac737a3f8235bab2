#include "sdk/VTTransactionStarter.h"

#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKTransactionManager.h"
#include "model/VeltManagedObject.h"
#include "store/ZKCoreDataManager.h"
#include "model/ZKTransaction.h"
#include "sdk/VTFacadeServices.h"

void VTTransactionStarter::openStore()
{
    const auto manager = ZKTransactionManager::sharedInstance();
    if (!VeltManagedObject::storeManager()) {
        VeltManagedObject::setStoreManager(manager->dataManager()->store());
    }
}

Dictionary VTTransactionStarter::resultDictionary(const VTTransactionStoreWriter::Result& result)
{
    if (const auto* error = std::get_if<ZKError>(&result)) {
        return {{"status", "failed"}, {"error", error->toDictionary()}};
    }
    const auto& stored = *std::get<std::shared_ptr<ZKTransaction>>(result);
    Dictionary transaction{{"guid", stored.guid()},
                           {"desc", stored.desc()},
                           {"name", stored.name()},
                           {"status", stored.status()},
                           {"type", "PACKAGE"}};
    if (stored.expiry()) {
        transaction["due"] = *stored.expiry();
    }
    return {{"status", "success"}, {"guid", stored.guid()}, {"transaction", std::move(transaction)}};
}

void VTTransactionStarter::openOnCeremonyScreens(const std::shared_ptr<ZKTransaction>& transaction)
{
    ZKTransactionManager::sharedInstance()->setTransaction(transaction);
    VTFacadeServices::installed().showTransactionOnCeremonyScreens(transaction);
}

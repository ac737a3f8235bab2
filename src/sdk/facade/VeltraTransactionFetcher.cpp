#include "sdk/facade/VeltraTransactionFetcher.h"

#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKTransactionManager.h"
#include "model/ZKDocument.h"
#include "model/ZKTransaction.h"
#include "store/ZKFileManager.h"
#include "store/ZKTransactionMapper.h"

#include <filesystem>

namespace {

std::shared_ptr<ZKDocument> firstDocumentWithoutPdf(const ZKTransaction& transaction)
{
    const std::filesystem::path folder = ZKFileManager::folderPathForTransactionWithGUID(transaction.guid());
    for (const auto& document : transaction.documents()) {
        std::error_code error;
        if (document->fileName().empty() || !std::filesystem::is_regular_file(folder / document->fileName(), error)) {
            return document;
        }
    }
    return nullptr;
}

} // namespace

void VeltraTransactionFetcher::transactionWithGUID(const std::string& guid, const Completion& completion)
{
    ZKTransactionManager::sharedInstance()->dataManager()->retrieveTransactionWithIdWithSuccessCallbackAndErrorCallback(
        guid,
        [completion](const std::shared_ptr<ZKTransaction>& transaction) {
            if (const auto missing = firstDocumentWithoutPdf(*transaction)) {
                completion(ZKError::make(ZKError::documentMissing,
                                         "The PDF of document " + missing->ident() + " is not on the device."));
                return;
            }
            completion(transaction);
        },
        [completion](const ZKError& error) { completion(error); });
}

std::optional<Dictionary> VeltraTransactionFetcher::cachedDictionary(const std::string& guid)
{
    const auto stored = guid.empty() ? nullptr : ZKTransactionManager::sharedInstance()->transactionWithId(guid);
    return stored ? std::optional<Dictionary>(dictionaryOf(*stored)) : std::nullopt;
}

Dictionary VeltraTransactionFetcher::dictionaryOf(const ZKTransaction& transaction)
{
    return ZKTransactionMapper::dictionaryFromTransaction(transaction);
}

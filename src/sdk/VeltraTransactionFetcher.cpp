#include "sdk/VeltraTransactionFetcher.h"

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

VeltraTransactionFetcher::Result VeltraTransactionFetcher::storedTransactionWithGUID(const std::string& guid)
{
    if (guid.empty()) {
        return ZKError::make(ZKError::missingIdentifier, "No transaction GUID was given.");
    }
    const auto stored = ZKTransactionManager::sharedInstance()->transactionWithId(guid);
    if (!stored) {
        return ZKError::make(ZKError::notFound, "No stored transaction has the GUID " + guid + ".");
    }
    if (const auto missing = firstDocumentWithoutPdf(*stored)) {
        return ZKError::make(ZKError::documentMissing, "The PDF of document " + missing->ident() + " is not on the device.");
    }
    return stored;
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

#include "DataManager/ZKTransactionRetrieval.h"

#include "DataManager/ZKPdfDownload.h"
#include "DataManager/ZKTransactionFolder.h"
#include "foundation/Text.h"
#include "foundation/Uuid.h"
#include "model/ZKTransaction.h"
#include "service/ZKReply.h"
#include "service/ZKTranslator.h"
#include "service/ZKWebFetcher.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKFileManager.h"
#include "store/ZKTransactionMapper.h"

#include <utility>

namespace {

bool sameGuid(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && platform::text::caseInsensitiveEquals(a, b);
}

// Names the documents' files by their place, so no identifier of the service ever
// becomes part of a path.
std::vector<ZKPdfDownload::File> namedFiles(Dictionary& transaction)
{
    std::vector<ZKPdfDownload::File> files;
    for (auto& document : transaction["documents"]) {
        const auto fileName = "document-" + std::to_string(files.size() + 1) + ".pdf";
        document["fileName"] = fileName;
        files.push_back({document["ident"].get<std::string>(), fileName});
    }
    return files;
}

ZKError folderError(const std::string& what, const std::error_code& code)
{
    return ZKError::make(ZKError::storeFailure, "The documents could not be " + what + ": " + code.message());
}

} // namespace

std::filesystem::path ZKTransactionRetrieval::downloadsFolderPath()
{
    return ZKFileManager::preferencesFolderPath() / "VeltDownloads";
}

void ZKTransactionRetrieval::retrieveTransactionWithGuid(const std::string& guid,
                                                         std::shared_ptr<ZKCoreDataManager> store, Success success,
                                                         Failure failure)
{
    if (!store) {
        failure(ZKError::make(ZKError::storeFailure, "There is no local store to keep the transaction in."));
        return;
    }
    auto retrieval =
        std::make_shared<ZKTransactionRetrieval>(guid, std::move(store), std::move(success), std::move(failure));
    ZKWebFetcher::packageWithGuidCallback(guid, [retrieval](const ZKReply& reply) { retrieval->didFetch(reply); });
}

ZKTransactionRetrieval::ZKTransactionRetrieval(std::string guid, std::shared_ptr<ZKCoreDataManager> store,
                                               Success success, Failure failure)
    : guid_(std::move(guid)), store_(std::move(store)), success_(std::move(success)), failure_(std::move(failure)),
      staging_(downloadsFolderPath() / platform::makeUuidString())
{
}

void ZKTransactionRetrieval::didFetch(const ZKReply& reply)
{
    if (!reply.succeeded()) {
        fail(*reply.error);
        return;
    }
    auto translated = ZKTranslator::transactionDictionaryFromPackage(reply.json);
    if (const auto* error = std::get_if<ZKError>(&translated)) {
        fail(*error);
        return;
    }
    auto& transaction = std::get<Dictionary>(translated);
    if (!sameGuid(transaction["guid"].get<std::string>(), guid_)) {
        fail(ZKError::make(ZKError::unexpectedReply, "The service answered for " + guid_ + " with another package."));
        return;
    }
    std::error_code code;
    std::filesystem::create_directories(staging_, code);
    if (code) {
        fail(folderError("downloaded", code));
        return;
    }
    auto files = namedFiles(transaction);
    ZKPdfDownload::downloadFilesOfPackageIntoFolder(
        guid_, std::move(files), staging_,
        [self = shared_from_this(), transaction](const std::optional<ZKError>& error) {
            self->didDownload(transaction, error);
        });
}

void ZKTransactionRetrieval::didDownload(const Dictionary& transaction, const std::optional<ZKError>& error)
{
    // Another retrieval may have stored the transaction while this one downloaded; the
    // stored one, and whatever changed in it since, is kept.
    const auto stored = error ? nullptr : store_->transactionWithGuid(guid_);
    auto failure = error ? error : (stored ? std::nullopt : store(transaction));
    std::error_code ignored;
    std::filesystem::remove_all(staging_, ignored);
    if (failure) {
        failure_(*failure);
        return;
    }
    success_(stored ? stored : store_->transactionWithGuid(guid_));
}

std::optional<ZKError> ZKTransactionRetrieval::store(const Dictionary& transaction)
{
    const ZKTransactionFolder folder(transaction["guid"].get<std::string>());
    std::error_code code;
    // A folder left by a transaction no longer stored holds nothing anyone can reach.
    std::filesystem::remove_all(folder.path(), code);
    std::filesystem::rename(staging_, folder.path(), code);
    if (code) {
        return folderError("moved into place", code);
    }
    auto mapped = ZKTransactionMapper::transactionFromDictionary(transaction, *store_);
    if (const auto* error = std::get_if<ZKError>(&mapped)) {
        folder.remove();
        return *error;
    }
    if (auto error = store_->save()) {
        store_->deleteObject(std::get<std::shared_ptr<ZKTransaction>>(mapped));
        folder.remove();
        return error;
    }
    return std::nullopt;
}

void ZKTransactionRetrieval::fail(const ZKError& error)
{
    std::error_code ignored;
    std::filesystem::remove_all(staging_, ignored);
    failure_(error);
}

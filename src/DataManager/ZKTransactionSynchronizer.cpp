#include "DataManager/ZKTransactionSynchronizer.h"

#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKIdentifierReplacement.h"
#include "DataManager/ZKTransactionFolder.h"
#include "DataManager/ZKTransactionManager.h"
#include "foundation/NotificationCenter.h"
#include "foundation/SharedInstances.h"
#include "model/ZKDocument.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "service/ZKReply.h"
#include "service/ZKWebPoster.h"
#include "store/ZKTransactionMapper.h"

#include <fstream>
#include <sstream>
#include <utility>

namespace {

ZKError notStored(const std::string& guid)
{
    return ZKError::make(ZKError::notFound, "No stored transaction has the GUID " + guid + ".");
}

// A stored file name is one name inside the transaction's folder, never a way out of it.
bool isPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

struct CheckpointObserverSlot {
    ZKTransactionSynchronizer::CheckpointObserver observer;
};

Dictionary errorResult(const ZKError& error)
{
    return {{"error", error.toDictionary()}};
}

std::optional<std::string> packageIdOf(const ZKReply& reply)
{
    const auto& json = reply.json;
    if (!json.is_object() || !json.contains("id") || !json["id"].is_string() || json["id"].get<std::string>().empty()) {
        return std::nullopt;
    }
    return json["id"].get<std::string>();
}

void storeTemplateDraft(const std::string& guid, const ZKTransactionSynchronizer::ResultCallback& callback)
{
    ZKTransactionManager::sharedInstance()->dataManager()->retrieveTransactionWithIdWithSuccessCallbackAndErrorCallback(
        guid,
        [callback](const std::shared_ptr<ZKTransaction>& draft) {
            platform::NotificationCenter::defaultCenter().post(ZKDataManager::kTemplateDraftNotification, nullptr,
                                                               {{"guid", draft->guid()}});
            callback({{"data", ZKTransactionMapper::dictionaryFromTransaction(*draft)}});
        },
        [callback](const ZKError& error) { callback(errorResult(error)); });
}

} // namespace

void ZKTransactionSynchronizer::synchronizeTransactionWithGuid(const std::string& guid, Completion completion)
{
    std::make_shared<ZKTransactionSynchronizer>(guid, std::move(completion))->start();
}

void ZKTransactionSynchronizer::createDraftFromTemplateWithGUIDWithCallback(const std::string& templateGuid,
                                                                             ResultCallback callback)
{
    auto made = [callback = std::move(callback)](const ZKReply& reply) {
        if (!reply.succeeded()) {
            callback(errorResult(*reply.error));
            return;
        }
        const auto guid = packageIdOf(reply);
        if (!guid) {
            callback(errorResult(
                ZKError::make(ZKError::unexpectedReply, "The service named no draft made from the template.")));
            return;
        }
        storeTemplateDraft(*guid, callback);
    };
    ZKWebPoster::createDraftFromTemplateWithGuidCallback(templateGuid, std::move(made));
}

void ZKTransactionSynchronizer::setCheckpointObserver(CheckpointObserver observer)
{
    platform::SharedInstance<CheckpointObserverSlot>::get()->observer = std::move(observer);
}

void ZKTransactionSynchronizer::pass(Checkpoint checkpoint)
{
    if (const auto& observer = platform::SharedInstance<CheckpointObserverSlot>::get()->observer) {
        observer(checkpoint);
    }
}

ZKTransactionSynchronizer::ZKTransactionSynchronizer(std::string guid, Completion completion)
    : guid_(std::move(guid)), completion_(std::move(completion))
{
}

bool ZKTransactionSynchronizer::needsCreating(const ZKTransaction& transaction)
{
    const bool marked = transaction.predefinedActionsIfAny() && transaction.predefinedActionsIfAny()->createOnServer();
    return marked || (transaction.draft() && transaction.local());
}

void ZKTransactionSynchronizer::start()
{
    const auto transaction = ZKTransaction::transactionWithGIUD(guid_);
    if (!transaction) {
        finish(guid_, notStored(guid_));
        return;
    }
    if (!needsCreating(*transaction)) {
        finish(transaction->guid(), std::nullopt);
        return;
    }
    create(*transaction);
}

std::optional<ZKError> ZKTransactionSynchronizer::readDocuments(const ZKTransaction& transaction,
                                                                std::vector<ZKUploadFile>& files)
{
    const ZKTransactionFolder folder(transaction.guid());
    for (const auto& document : transaction.documents()) {
        const auto& fileName = document->fileName();
        std::ifstream file;
        if (isPlainFileName(fileName)) {
            file.open(folder.path() / fileName, std::ios::binary);
        }
        std::ostringstream bytes;
        bytes << file.rdbuf();
        if (!file.is_open() || !file) {
            return ZKError::make(ZKError::documentMissing, "The PDF of the document \"" + document->name() +
                                                               "\" cannot be read.");
        }
        files.push_back({document->name().empty() ? document->fileName() : document->name(), "application/pdf",
                         bytes.str()});
    }
    return std::nullopt;
}

void ZKTransactionSynchronizer::create(ZKTransaction& transaction)
{
    std::vector<ZKUploadFile> files;
    if (auto error = readDocuments(transaction, files)) {
        finish(guid_, error);
        return;
    }
    auto package =
        ZKPackageTranslator::packageFromTransactionDictionary(ZKTransactionMapper::dictionaryFromTransaction(transaction));
    ZKWebPoster::createPackageWithDocumentsIdempotencyKeyCallback(
        package, std::move(files), guid_,
        [self = shared_from_this(), package](const ZKReply& reply) { self->didCreate(package, reply); });
}

void ZKTransactionSynchronizer::didCreate(const Dictionary& sent, const ZKReply& reply)
{
    if (!reply.succeeded()) {
        finish(guid_, reply.error);
        return;
    }
    pass(Checkpoint::created);
    const auto identifiers = ZKPackageTranslator::identifiersFromCreatedPackage(sent, reply.json);
    if (const auto* error = std::get_if<ZKError>(&identifiers)) {
        finish(guid_, *error);
        return;
    }
    // The transaction may have gone while the request ran.
    const auto transaction = ZKTransaction::transactionWithGIUD(guid_);
    if (!transaction) {
        finish(guid_, notStored(guid_));
        return;
    }
    const auto& created = std::get<ZKPackageIdentifiers>(identifiers);
    const auto error = adopt(*transaction, created);
    finish(error ? guid_ : created.guid, error);
}

std::optional<ZKError> ZKTransactionSynchronizer::adopt(ZKTransaction& transaction,
                                                        const ZKPackageIdentifiers& identifiers)
{
    const auto holder = ZKTransaction::transactionWithGIUD(identifiers.guid);
    if (holder && holder.get() != &transaction) {
        return ZKError::make(ZKError::storeFailure,
                             "Another stored transaction already has the GUID " + identifiers.guid + ".");
    }
    const ZKTransactionFolder local(transaction.guid());
    const ZKTransactionFolder created(identifiers.guid);
    const bool sameFolder = local.path() == created.path();
    if (auto error = created.linkFrom(transaction.guid())) {
        return error;
    }
    pass(Checkpoint::linked);
    if (auto error = saveIdentifiers(transaction, identifiers)) {
        if (!sameFolder) {
            created.remove();
        }
        return error;
    }
    pass(Checkpoint::saved);
    if (!sameFolder) {
        local.remove();
    }
    return std::nullopt;
}

std::optional<ZKError> ZKTransactionSynchronizer::saveIdentifiers(ZKTransaction& transaction,
                                                                  const ZKPackageIdentifiers& identifiers)
{
    const auto localGuid = transaction.guid();
    const ZKIdentifierReplacement replacement(identifiers);
    const auto actions = transaction.predefinedActions();
    const bool wasLocal = transaction.local();
    const bool wasMarked = actions->createOnServer();
    replacement.applyToTransaction(transaction);
    actions->setCreateOnServer(false);
    transaction.setLocalFlag(false);
    if (transaction.saveUpdates()) {
        return std::nullopt;
    }
    replacement.inverse(localGuid).applyToTransaction(transaction);
    actions->setCreateOnServer(wasMarked);
    transaction.setLocalFlag(wasLocal);
    return ZKError::make(ZKError::storeFailure, "The created transaction could not be saved.");
}

void ZKTransactionSynchronizer::finish(const std::string& guid, const std::optional<ZKError>& error)
{
    completion_({{"guid", guid}, {"localGuid", guid_}}, error);
}

#include "DataManager/ZKTransactionSynchronizer.h"

#include "DataManager/ZKIdentifierReplacement.h"
#include "DataManager/ZKTransactionFolder.h"
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

} // namespace

void ZKTransactionSynchronizer::synchronizeTransactionWithGuid(const std::string& guid, Completion completion)
{
    std::make_shared<ZKTransactionSynchronizer>(guid, std::move(completion))->start();
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
    ZKWebPoster::createPackageWithDocumentsCallback(
        package, std::move(files),
        [self = shared_from_this(), package](const ZKReply& reply) { self->didCreate(package, reply); });
}

void ZKTransactionSynchronizer::didCreate(const Dictionary& sent, const ZKReply& reply)
{
    if (!reply.succeeded()) {
        finish(guid_, reply.error);
        return;
    }
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
    const auto localGuid = transaction.guid();
    const ZKTransactionFolder folder(identifiers.guid);
    if (auto error = folder.moveFrom(localGuid)) {
        return error;
    }
    const ZKIdentifierReplacement replacement(identifiers);
    const auto actions = transaction.predefinedActions();
    const bool wasLocal = transaction.local();
    const bool wasMarked = actions->createOnServer();
    replacement.applyToTransaction(transaction);
    actions->setCreateOnServer(false);
    transaction.setLocalFlag(false);
    auto saveError = transaction.saveUpdates() ? std::nullopt
                                               : std::optional<ZKError>(ZKError::make(
                                                     ZKError::storeFailure, "The created transaction could not be saved."));
    if (saveError) {
        replacement.inverse(localGuid).applyToTransaction(transaction);
        actions->setCreateOnServer(wasMarked);
        transaction.setLocalFlag(wasLocal);
        ZKTransactionFolder(localGuid).moveFrom(identifiers.guid);
    }
    return saveError;
}

void ZKTransactionSynchronizer::finish(const std::string& guid, const std::optional<ZKError>& error)
{
    completion_({{"guid", guid}, {"localGuid", guid_}}, error);
}

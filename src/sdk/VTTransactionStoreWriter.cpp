#include "sdk/VTTransactionStoreWriter.h"

#include "foundation/Date.h"
#include "foundation/Uuid.h"
#include "model/VeltManagedObject.h"
#include "model/ZKDocument.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "sdk/VTDocument.h"
#include "sdk/VTEmailAddressFormat.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "store/StoreThread.h"
#include "store/ZKFileManager.h"
#include "store/ZKTransactionMapper.h"
#include "support/ZKLogger.h"

#include <algorithm>
#include <set>

namespace {

constexpr int kErrorLevel = 3;

std::filesystem::path folderOf(const std::string& guid)
{
    return ZKFileManager::folderPathForTransactionWithGUID(guid);
}

// The recipient's role when it is free, else the lowest free "signer<n>".
std::string uniqueUid(const VTSigner& signer, const std::set<std::string>& taken)
{
    if (signer.participantId() && !taken.contains(*signer.participantId())) {
        return *signer.participantId();
    }
    if (!signer.role().empty() && !taken.contains(signer.role())) {
        return signer.role();
    }
    for (int number = 0;; ++number) {
        auto candidate = "signer" + std::to_string(number);
        if (!taken.contains(candidate)) {
            return candidate;
        }
    }
}

// A group recipient carries the group's address as its title.
bool isGroupRecipient(const VTSigner& signer)
{
    return signer.isGroupContainingSender() || VTEmailAddressFormat::isValid(signer.title());
}

std::shared_ptr<ZKDocument> storedDocument(const std::shared_ptr<ZKTransaction>& stored, const std::string& ident)
{
    if (!stored) {
        return nullptr;
    }
    const auto& documents = stored->documents();
    const auto found = std::find_if(documents.begin(), documents.end(),
                                    [&ident](const auto& document) { return document->ident() == ident; });
    return found == documents.end() ? nullptr : *found;
}

void removeFiles(const std::vector<std::filesystem::path>& files)
{
    for (const auto& file : files) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
}

// A temporary copy is the SDK's own and nothing writes it again, so the stored file may
// share it rather than be written anew; the copy's own name goes once stored. Where a
// link cannot be made the document is copied.
bool linkTemporaryCopy(const std::filesystem::path& copy, const std::filesystem::path& stored)
{
    std::error_code error;
    if (!ZKFileManager::isTemporaryCopy(copy) || !std::filesystem::is_regular_file(std::filesystem::symlink_status(copy, error))) {
        return false;
    }
    std::filesystem::create_hard_link(copy, stored, error);
    return !error;
}

// A removal reported as failed must not be written by a later save.
void rollBack(const ZKTransaction& transaction)
{
    if (const auto store = transaction.store()) {
        store->rollback();
    }
}

} // namespace

VTTransactionStoreWriter::VTTransactionStoreWriter(VTTransaction& builder)
    : builder_(builder)
{
}

VTTransactionStoreWriter::Result VTTransactionStoreWriter::writeDraft()
{
    return write(true);
}

VTTransactionStoreWriter::Result VTTransactionStoreWriter::writeEdits()
{
    return write(false);
}

VTTransactionStoreWriter::Result VTTransactionStoreWriter::write(bool asDraft)
{
    // Refused before any PDF is copied for it.
    if (auto refused = StoreThread::refusal("writing a transaction")) {
        return *refused;
    }
    const auto store = VeltManagedObject::storeManager();
    if (!store) {
        return ZKError::make(ZKError::storeFailure, "No local store is open.");
    }
    if (auto error = checkDocuments()) {
        return *error;
    }
    std::shared_ptr<ZKTransaction> stored;
    if (builder_.guid_) {
        stored = store->transactionWithGuid(*builder_.guid_);
        if (!stored) {
            return ZKError::make(ZKError::notFound, "No stored transaction has the GUID " + *builder_.guid_ + ".");
        }
    }
    const std::string guid = stored ? stored->guid() : platform::makeUuidString();
    const Dictionary dictionary = transactionDictionary(stored, guid, asDraft);
    const auto dropped = filesOfDocumentsDropped(stored, dictionary["documents"]);
    if (auto error = copyDocuments()) {
        discardCopies();
        return *error;
    }
    auto mapped = ZKTransactionMapper::transactionFromDictionary(dictionary, *store);
    if (const auto* error = std::get_if<ZKError>(&mapped)) {
        store->rollback();
        discardCopies();
        return *error;
    }
    if (auto error = store->save()) {
        // The store file is untouched; the edits must not stay in memory either, or a later
        // save would write them, naming copies that are discarded here.
        store->rollback();
        discardCopies();
        return *error;
    }
    removeFiles(dropped);
    adoptStoredState(guid);
    return mapped;
}

std::optional<ZKError> VTTransactionStoreWriter::checkDocuments() const
{
    for (const auto& document : builder_.documents_) {
        if (document->data().empty()) {
            return ZKError::make(ZKError::documentMissing,
                                 "The document \"" + document->name() + "\" is not a readable PDF file.");
        }
    }
    return std::nullopt;
}

Dictionary VTTransactionStoreWriter::transactionDictionary(const std::shared_ptr<ZKTransaction>& stored,
                                                           const std::string& guid, bool asDraft)
{
    Dictionary dictionary{{"guid", guid},
                          {"title", builder_.name_.value_or("")},
                          {"description", builder_.desc_.value_or("")}};
    if (asDraft || !stored) {
        dictionary["status"] = "draft";
    }
    dictionary["draft"] = asDraft || (stored ? stored->draft() : builder_.draft_);
    dictionary["local"] = true;
    dictionary["lastUpdate"] = platform::Date::now().timeIntervalSince1970();
    dictionary["due"] = builder_.expiry_ ? Dictionary(builder_.expiry_->timeIntervalSince1970()) : Dictionary();
    dictionary["emailMessage"] = builder_.emailMessage_.value_or("");
    auto options = stored ? stored->advancedOptions() : Dictionary::object();
    options["inPerson"] = builder_.inPerson_;
    options["autocomplete"] = builder_.autocomplete_;
    options["orderSigning"] = builder_.orderSigning_;
    dictionary["advancedOptions"] = std::move(options);
    if (!stored) {
        // Made on this device: the service has yet to create it.
        dictionary["predefinedActions"] = {{"deleteOnServer", false}, {"createOnServer", true}, {"send", false},
                                           {"sign", false},           {"optOut", false},       {"complete", false}};
    }
    dictionary["participants"] = participantsDictionary();
    dictionary["documents"] = documentsDictionary(stored, guid);
    return dictionary;
}

Dictionary VTTransactionStoreWriter::participantsDictionary()
{
    Dictionary participants = Dictionary::array();
    std::set<std::string> taken;
    participantUids_.clear();
    for (std::size_t order = 0; order < builder_.signers_.size(); ++order) {
        const auto& signer = *builder_.signers_[order];
        const auto uid = uniqueUid(signer, taken);
        taken.insert(uid);
        participantUids_.push_back(uid);
        Dictionary participant{{"uid", uid},
                               {"order", order},
                               {"email", signer.email()},
                               {"firstName", signer.firstName()},
                               {"lastName", signer.lastName()},
                               {"title", signer.title()},
                               {"company", signer.company()},
                               {"isOwner", signer.isSendersOwnRecipient()},
                               {"isGroup", isGroupRecipient(signer)}};
        if (signer.authenticationDict() && signer.authenticationDict()->is_object()) {
            participant["authentication"] = *signer.authenticationDict();
        }
        participant["emailMessage"] = signer.emailMessage().value_or("");
        participant["allowChangeSigners"] = signer.allowChangeSigners();
        participants.push_back(std::move(participant));
    }
    return participants;
}

Dictionary VTTransactionStoreWriter::documentsDictionary(const std::shared_ptr<ZKTransaction>& stored,
                                                         const std::string& guid)
{
    Dictionary documents = Dictionary::array();
    documentIdents_.clear();
    pendingFiles_.clear();
    for (std::size_t order = 0; order < builder_.documents_.size(); ++order) {
        const auto& document = *builder_.documents_[order];
        const bool isStored = document.documentId() && storedDocument(stored, *document.documentId());
        const auto ident = isStored ? *document.documentId() : platform::makeUuidString();
        documentIdents_.push_back(ident);
        Dictionary entry{{"ident", ident}, {"name", document.name()}, {"order", order}};
        if (!isStored) {
            const auto fileName = ident + ".pdf";
            entry["fileName"] = fileName;
            pendingFiles_.push_back({order, folderOf(guid) / fileName});
        }
        documents.push_back(std::move(entry));
    }
    return documents;
}

std::optional<ZKError> VTTransactionStoreWriter::copyDocuments() const
{
    for (const auto& pending : pendingFiles_) {
        std::error_code error;
        std::filesystem::create_directories(pending.path.parent_path(), error);
        const auto& document = *builder_.documents_[pending.documentIndex];
        if (!error && linkTemporaryCopy(document.pdfPath(), pending.path)) {
            continue;
        }
        const auto bytes = document.data();
        if (error || bytes.empty() || !ZKFileManager::storeAtPathFileWithNameAndData(pending.path.string(), std::nullopt, bytes)) {
            return ZKError::make(ZKError::storeFailure, "The document could not be copied to " + pending.path.string() + ".");
        }
    }
    return std::nullopt;
}

void VTTransactionStoreWriter::discardCopies() const
{
    for (const auto& pending : pendingFiles_) {
        std::error_code ignored;
        std::filesystem::remove(pending.path, ignored);
    }
}

void VTTransactionStoreWriter::adoptStoredState(const std::string& guid)
{
    builder_.guid_ = guid;
    builder_.rebuiltFromStore_ = true;
    for (std::size_t index = 0; index < builder_.signers_.size(); ++index) {
        builder_.signers_[index]->setParticipantId(participantUids_[index]);
        builder_.signers_[index]->setRole(participantUids_[index]);
    }
    for (std::size_t index = 0; index < builder_.documents_.size(); ++index) {
        builder_.documents_[index]->setDocumentId(documentIdents_[index]);
    }
    // The composer's temporary copy has served once the document is stored.
    for (const auto& pending : pendingFiles_) {
        auto& document = *builder_.documents_[pending.documentIndex];
        const std::filesystem::path copy = document.pdfPath();
        document.setPdfPath(pending.path.string());
        ZKFileManager::removeTemporaryCopy(copy);
    }
}

std::vector<std::filesystem::path> VTTransactionStoreWriter::filesOfDocumentsDropped(
    const std::shared_ptr<ZKTransaction>& stored, const Dictionary& documents)
{
    std::vector<std::filesystem::path> files;
    if (!stored) {
        return files;
    }
    for (const auto& document : stored->documents()) {
        const bool kept = std::any_of(documents.begin(), documents.end(),
                                      [&document](const Dictionary& entry) { return entry["ident"] == document->ident(); });
        if (!kept && !document->fileName().empty()) {
            files.push_back(folderOf(stored->guid()) / document->fileName());
        }
    }
    return files;
}

void VTTransactionStoreWriter::removeStoredParticipant(const std::string& guid, const std::string& uid)
{
    const auto stored = ZKTransaction::transactionWithGIUD(guid);
    if (!stored) {
        return;
    }
    const auto& participants = stored->participants();
    const auto found = std::find_if(participants.begin(), participants.end(),
                                    [&uid](const auto& participant) { return participant->uid() == uid; });
    if (found == participants.end()) {
        return;
    }
    stored->removeParticipant(*found);
    if (!stored->setLocal()) {
        ZKLogger::logLevel("The removal of participant " + uid + " could not be saved.", kErrorLevel);
        rollBack(*stored);
    }
}

void VTTransactionStoreWriter::removeStoredDocument(const std::string& guid, const std::string& ident)
{
    const auto stored = ZKTransaction::transactionWithGIUD(guid);
    const auto document = storedDocument(stored, ident);
    if (!document) {
        return;
    }
    const auto file = document->fileName().empty() ? std::filesystem::path() : folderOf(stored->guid()) / document->fileName();
    stored->removeDocument(document);
    if (!stored->setLocal()) {
        ZKLogger::logLevel("The removal of document " + ident + " could not be saved.", kErrorLevel);
        rollBack(*stored);
        return;
    }
    removeFiles({file});
}

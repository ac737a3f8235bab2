#include "store/ZKCoreDataManager.h"

#include "foundation/Date.h"
#include "foundation/Environment.h"
#include "foundation/Text.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/SqliteDatabase.h"
#include "store/StoreRowReader.h"
#include "store/StoreRowWriter.h"
#include "store/StoreSchema.h"
#include "store/StoreThread.h"
#include "support/ZKLogger.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace {

using Entity = VeltManagedObject::Entity;

constexpr int kErrorLogLevel = 3;

ZKError storeError(const std::string& description)
{
    ZKLogger::logLevel(description, kErrorLogLevel);
    return ZKError::make(ZKError::storeFailure, description);
}

// SQLite keeps a write-ahead log and a shared-memory index beside the file; they belong
// to it and move with it.
const char* const kCompanionSuffixes[] = {"-wal", "-shm", "-journal"};

// A name beside the file that no earlier set-aside holds: a second unreadable store within
// the same second must not replace the first.
std::filesystem::path asideName(const std::filesystem::path& file)
{
    auto stamped = file;
    stamped += ".corrupt-" + std::to_string(static_cast<long long>(platform::Date::now().timeIntervalSince1970()));
    auto target = stamped;
    std::error_code error;
    for (int count = 1; std::filesystem::exists(std::filesystem::symlink_status(target, error)); ++count) {
        target = stamped;
        target += "-" + std::to_string(count);
    }
    return target;
}

std::optional<std::filesystem::path> setAside(const std::filesystem::path& file)
{
    const auto target = asideName(file);
    std::error_code error;
    std::filesystem::rename(file, target, error);
    if (error) {
        return std::nullopt;
    }
    for (const char* suffix : kCompanionSuffixes) {
        auto companion = file;
        companion += suffix;
        auto companionTarget = target;
        companionTarget += suffix;
        std::filesystem::rename(companion, companionTarget, error);
    }
    return target;
}

struct Opened {
    std::unique_ptr<SqliteDatabase> database;
    StoreSchema::Outcome outcome = StoreSchema::Outcome::failed;
    std::string message;
};

Opened openAndPrepare(const std::filesystem::path& file)
{
    Opened opened;
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    auto status = SqliteDatabase::OpenStatus::cannotOpen;
    opened.database = SqliteDatabase::open(file, status, opened.message);
    if (!opened.database) {
        opened.outcome = status == SqliteDatabase::OpenStatus::notADatabase ? StoreSchema::Outcome::corrupt
                                                                            : StoreSchema::Outcome::failed;
        return opened;
    }
    opened.outcome = StoreSchema::prepare(*opened.database, opened.message);
    if (opened.outcome != StoreSchema::Outcome::ready) {
        opened.database.reset();
    }
    return opened;
}

// The transaction an object belongs to, when it still knows it.
std::shared_ptr<ZKTransaction> owningTransaction(const std::shared_ptr<VeltManagedObject>& object)
{
    switch (object->entity()) {
    case Entity::Transaction:
        return std::static_pointer_cast<ZKTransaction>(object);
    case Entity::Document:
        return static_cast<ZKDocument&>(*object).transaction();
    case Entity::Element:
        return static_cast<ZKElement&>(*object).transaction();
    case Entity::Participant:
        return static_cast<ZKParticipant&>(*object).transaction();
    case Entity::PredefinedActions:
        return static_cast<ZKPredefinedActions&>(*object).transaction();
    case Entity::Validation: {
        const auto element = static_cast<ZKValidation&>(*object).element();
        return element ? element->transaction() : nullptr;
    }
    }
    return nullptr;
}

bool sameGuid(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && platform::text::caseInsensitiveEquals(a, b);
}

} // namespace

std::filesystem::path ZKCoreDataManager::defaultStorePath()
{
    return platform::Environment::preferencesDirectory() / "VeltCoreDB.sqlite";
}

int ZKCoreDataManager::currentSchemaVersion()
{
    return StoreSchema::currentVersion();
}

ZKCoreDataManager::OpenResult ZKCoreDataManager::open(const std::filesystem::path& file)
{
    OpenResult result;
    auto opened = openAndPrepare(file);
    // A newer schema's file, or one another connection holds locked, is sound as far as we
    // know: it is left where it is for a later launch.
    if (opened.outcome == StoreSchema::Outcome::tooNew || opened.outcome == StoreSchema::Outcome::busy) {
        result.error = storeError("The store " + file.string() + " cannot be opened: " + opened.message);
        return result;
    }
    if (opened.outcome != StoreSchema::Outcome::ready) {
        // A file we cannot read is kept for whoever wants to recover it; a fresh store
        // takes its place so the SDK can go on working.
        result.setAsidePath = setAside(file);
        if (!result.setAsidePath) {
            result.error = storeError("The store " + file.string() + " cannot be read (" + opened.message +
                                      ") and cannot be moved aside");
            return result;
        }
        result.error = storeError("The store " + file.string() + " could not be read (" + opened.message +
                                  "); it was moved to " + result.setAsidePath->string() + " and a new store begun");
        opened = openAndPrepare(file);
        if (opened.outcome != StoreSchema::Outcome::ready) {
            result.error = storeError("A new store cannot be made at " + file.string() + ": " + opened.message);
            return result;
        }
    }
    result.manager.reset(new ZKCoreDataManager(file, std::move(opened.database)));
    return result;
}

ZKCoreDataManager::ZKCoreDataManager(std::filesystem::path file, std::unique_ptr<SqliteDatabase> database)
    : file_(std::move(file)), database_(std::move(database)),
      reader_(std::make_unique<StoreRowReader>(*database_)), writer_(std::make_unique<StoreRowWriter>(*database_))
{
    const auto lastIDs = reader_->lastRowIDs();
    for (std::size_t entity = 0; entity < lastIDs.size(); ++entity) {
        lastObjectIDs_[static_cast<int>(entity)] = lastIDs[entity];
    }
}

ZKCoreDataManager::~ZKCoreDataManager() = default;

std::int64_t ZKCoreDataManager::nextObjectID(Entity entity)
{
    return ++lastObjectIDs_[static_cast<int>(entity)];
}

void ZKCoreDataManager::insertObject(const std::shared_ptr<VeltManagedObject>& object)
{
    if (StoreThread::refusal("inserting an object") || object->objectID() != 0) {
        return;
    }
    object->attachToStore(shared_from_this(), nextObjectID(object->entity()));
    if (object->entity() == Entity::Transaction) {
        transactions_[object->objectID()] = std::static_pointer_cast<ZKTransaction>(object);
    }
    objectDidChange(object);
}

void ZKCoreDataManager::objectDidChange(const std::shared_ptr<VeltManagedObject>& object)
{
    if (StoreThread::refusal("changing an object") || object->isPendingSave() || object->isDeleted() || object->store().get() != this) {
        return;
    }
    object->setPendingSave(true);
    pending_.push_back(object);
}

void ZKCoreDataManager::collectOwned(const std::shared_ptr<VeltManagedObject>& object,
                                     std::vector<std::shared_ptr<VeltManagedObject>>& into) const
{
    into.push_back(object);
    switch (object->entity()) {
    case Entity::Transaction: {
        auto& transaction = static_cast<ZKTransaction&>(*object);
        for (const auto& document : transaction.documents()) {
            collectOwned(document, into);
        }
        into.insert(into.end(), transaction.participants().begin(), transaction.participants().end());
        if (const auto& actions = transaction.predefinedActionsIfAny()) {
            into.push_back(actions);
        }
        break;
    }
    case Entity::Document:
        for (const auto& element : static_cast<ZKDocument&>(*object).elements()) {
            collectOwned(element, into);
        }
        break;
    case Entity::Element:
        if (const auto& validation = static_cast<ZKElement&>(*object).validation()) {
            into.push_back(validation);
        }
        break;
    default:
        break;
    }
}

void ZKCoreDataManager::deleteObject(const std::shared_ptr<VeltManagedObject>& objectToDelete)
{
    // A copy: the caller's reference may be the owner's list entry that is erased below.
    const auto object = objectToDelete;
    if (StoreThread::refusal("deleting an object") || object->isDeleted() || object->store().get() != this) {
        return;
    }
    std::vector<std::shared_ptr<VeltManagedObject>> owned;
    collectOwned(object, owned);
    for (const auto& item : owned) {
        item->markDeleted();
        deleted_.push_back(item);
    }
    // The owner no longer lists a deleted object.
    if (object->entity() == Entity::Document) {
        if (const auto transaction = static_cast<ZKDocument&>(*object).transaction()) {
            transaction->removeDocument(std::static_pointer_cast<ZKDocument>(object));
        }
    } else if (object->entity() == Entity::Participant) {
        if (const auto transaction = static_cast<ZKParticipant&>(*object).transaction()) {
            transaction->removeParticipant(std::static_pointer_cast<ZKParticipant>(object));
        }
    } else if (object->entity() == Entity::Element) {
        if (const auto document = static_cast<ZKElement&>(*object).document()) {
            document->detachElement(static_cast<ZKElement*>(object.get()));
        }
    }
}

bool ZKCoreDataManager::hasChanges() const
{
    return !StoreThread::refusal("asking for changes") && (!pending_.empty() || !deleted_.empty());
}

std::optional<ZKError> ZKCoreDataManager::writePending()
{
    for (const auto& object : deleted_) {
        if (!writer_->remove(*object)) {
            return storeError("Deleting from the store failed: " + database_->lastErrorMessage());
        }
    }
    for (const auto& object : pending_) {
        if (!object->isDeleted() && !writer_->write(*object)) {
            return storeError("Writing to the store failed: " + database_->lastErrorMessage());
        }
    }
    return std::nullopt;
}

std::optional<ZKError> ZKCoreDataManager::save()
{
    if (auto refused = StoreThread::refusal("saving")) {
        return refused;
    }
    if (!hasChanges()) {
        return std::nullopt;
    }
    if (!database_->execute("BEGIN IMMEDIATE")) {
        return storeError("The store cannot be written: " + database_->lastErrorMessage());
    }
    auto error = writePending();
    if (!error && !database_->execute("COMMIT")) {
        error = storeError("The store cannot be written: " + database_->lastErrorMessage());
    }
    if (error) {
        database_->execute("ROLLBACK");
        return error;
    }
    finishSave();
    return std::nullopt;
}

void ZKCoreDataManager::finishSave()
{
    for (const auto& object : pending_) {
        object->setPendingSave(false);
    }
    for (const auto& object : deleted_) {
        object->setPendingSave(false);
        if (object->entity() == Entity::Transaction) {
            transactions_.erase(object->objectID());
        }
    }
    pending_.clear();
    deleted_.clear();
}

void ZKCoreDataManager::rollback()
{
    if (StoreThread::refusal("rolling back")) {
        return;
    }
    std::vector<std::shared_ptr<VeltManagedObject>> touched(pending_.begin(), pending_.end());
    touched.insert(touched.end(), deleted_.begin(), deleted_.end());
    // Row ids are taken before detaching, which clears them.
    std::vector<std::pair<std::shared_ptr<ZKTransaction>, std::int64_t>> owners;
    for (const auto& object : touched) {
        const auto owner = owningTransaction(object);
        const bool known = std::any_of(owners.begin(), owners.end(),
                                       [&owner](const auto& entry) { return entry.first == owner; });
        if (owner && !known && owner->store().get() == this) {
            owners.emplace_back(owner, owner->objectID());
        }
    }
    for (const auto& object : touched) {
        detach(object);
    }
    pending_.clear();
    deleted_.clear();
    for (const auto& [transaction, rowID] : owners) {
        restoreStoredState(transaction, rowID);
    }
    // Relinking the stored objects to their transaction reported them as changed; they
    // hold exactly what is stored.
    finishSave();
}

void ZKCoreDataManager::restoreStoredState(const std::shared_ptr<ZKTransaction>& transaction, std::int64_t rowID)
{
    std::vector<std::shared_ptr<VeltManagedObject>> owned;
    collectOwned(transaction, owned);
    for (const auto& object : owned) {
        detach(object);
    }
    transactions_.erase(rowID);
    const auto stored = reader_->loadTransaction(rowID, shared_from_this());
    if (!stored) {
        return; // inserted since the last save: it stays detached
    }
    transaction->takeContentsOf(*stored);
    detach(stored);
    transaction->markUndeleted();
    transaction->attachToStore(shared_from_this(), rowID);
    transactions_[rowID] = transaction;
}

void ZKCoreDataManager::detach(const std::shared_ptr<VeltManagedObject>& object)
{
    object->setPendingSave(false);
    object->attachToStore(nullptr, 0);
}

std::shared_ptr<ZKTransaction> ZKCoreDataManager::loadTransaction(std::int64_t rowID)
{
    if (const auto found = transactions_.find(rowID); found != transactions_.end()) {
        return found->second;
    }
    auto transaction = reader_->loadTransaction(rowID, shared_from_this());
    if (transaction) {
        transactions_.emplace(rowID, transaction);
    }
    return transaction;
}

std::shared_ptr<ZKTransaction> ZKCoreDataManager::transactionWithGuid(const std::string& guid)
{
    if (StoreThread::refusal("looking up a transaction") || guid.empty()) {
        return nullptr;
    }
    for (const auto& object : pending_) {
        if (object->entity() == Entity::Transaction && !object->isDeleted() &&
            sameGuid(static_cast<ZKTransaction&>(*object).guid(), guid)) {
            return std::static_pointer_cast<ZKTransaction>(object);
        }
    }
    for (const auto rowID : reader_->transactionRowsWithGuid(guid)) {
        auto transaction = loadTransaction(rowID);
        // A row whose object was deleted or renamed in memory does not count.
        if (transaction && !transaction->isDeleted() && sameGuid(transaction->guid(), guid)) {
            return transaction;
        }
    }
    return nullptr;
}

std::vector<std::pair<std::string, std::string>> ZKCoreDataManager::storedDocumentFiles()
{
    return reader_->documentFiles();
}

std::vector<std::shared_ptr<ZKTransaction>> ZKCoreDataManager::allTransactions()
{
    std::vector<std::shared_ptr<ZKTransaction>> transactions;
    if (StoreThread::refusal("listing the transactions")) {
        return transactions;
    }
    std::unordered_set<std::int64_t> seen;
    for (const auto rowID : reader_->allTransactionRows()) {
        auto transaction = loadTransaction(rowID);
        if (transaction && !transaction->isDeleted()) {
            transactions.push_back(transaction);
            seen.insert(rowID);
        }
    }
    for (const auto& [rowID, transaction] : transactions_) {
        if (!seen.contains(rowID) && !transaction->isDeleted()) {
            transactions.push_back(transaction);
        }
    }
    std::stable_sort(transactions.begin(), transactions.end(),
                     [](const auto& a, const auto& b) { return a->lastUpdate() > b->lastUpdate(); });
    return transactions;
}

namespace {

// The elements whose radio group may differ in memory from their stored row.
std::vector<std::shared_ptr<ZKElement>> elementsTouchedBy(const std::vector<std::shared_ptr<VeltManagedObject>>& objects)
{
    std::vector<std::shared_ptr<ZKElement>> elements;
    for (const auto& object : objects) {
        switch (object->entity()) {
        case Entity::Element:
            elements.push_back(std::static_pointer_cast<ZKElement>(object));
            break;
        case Entity::Validation:
            if (auto element = static_cast<ZKValidation&>(*object).element()) {
                elements.push_back(std::move(element));
            }
            break;
        case Entity::Document: {
            const auto& owned = static_cast<ZKDocument&>(*object).elements();
            elements.insert(elements.end(), owned.begin(), owned.end());
            break;
        }
        default:
            break;
        }
    }
    return elements;
}

std::optional<std::string> radioGroupInMemory(const ZKElement& element, const std::string& approvalIdent,
                                              const std::string& documentIdent)
{
    const auto document = element.document();
    const auto& validation = element.validation();
    if (element.isDeleted() || element.type() != "Radio" || element.approval() != approvalIdent || !document ||
        document->isDeleted() || document->ident() != documentIdent || !validation || validation->isDeleted()) {
        return std::nullopt;
    }
    return validation->groupName();
}

} // namespace

std::vector<std::string> ZKCoreDataManager::radioGroupNames(const std::string& approvalIdent,
                                                            const std::string& documentIdent)
{
    if (StoreThread::refusal("reading radio groups")) {
        return {};
    }
    std::unordered_map<std::int64_t, std::string> groups;
    for (auto& [elementID, group] : reader_->radioGroups(approvalIdent, documentIdent)) {
        groups.emplace(elementID, std::move(group));
    }
    auto touched = elementsTouchedBy(pending_);
    const auto touchedByDeletion = elementsTouchedBy(deleted_);
    touched.insert(touched.end(), touchedByDeletion.begin(), touchedByDeletion.end());
    for (const auto& element : touched) {
        groups.erase(element->objectID());
        if (auto group = radioGroupInMemory(*element, approvalIdent, documentIdent)) {
            groups.emplace(element->objectID(), std::move(*group));
        }
    }
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (auto& [elementID, group] : groups) {
        if (seen.insert(group).second) {
            names.push_back(group);
        }
    }
    return names;
}

void ZKCoreDataManager::reset()
{
    if (StoreThread::refusal("resetting")) {
        return;
    }
    std::vector<std::shared_ptr<VeltManagedObject>> known(pending_.begin(), pending_.end());
    known.insert(known.end(), deleted_.begin(), deleted_.end());
    for (const auto& [rowID, transaction] : transactions_) {
        collectOwned(transaction, known);
    }
    for (const auto& object : known) {
        object->setPendingSave(false);
        object->attachToStore(nullptr, 0);
    }
    pending_.clear();
    deleted_.clear();
    transactions_.clear();
}

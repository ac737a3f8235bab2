#pragma once

#include "model/VeltManagedObject.h"
#include "model/VeltObjectStore.h"
#include "support/ZKError.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class SqliteDatabase;
class StoreRowReader;
class StoreRowWriter;

// The local store: one SQLite file holding transactions, documents, elements,
// participants, validations and pending server work. It keeps one in-memory object per
// stored row (an identity map), tracks which objects changed, and writes every change of
// a save in one SQLite transaction. Used on the main thread only: a call from another
// thread is refused (see StoreThread) and changes nothing; a save answers the refusal,
// a lookup finds nothing.
class ZKCoreDataManager : public VeltObjectStore, public std::enable_shared_from_this<ZKCoreDataManager> {
public:
    struct OpenResult {
        std::shared_ptr<ZKCoreDataManager> manager; // nullptr when no store could be opened
        std::optional<ZKError> error;               // set when something went wrong
        std::optional<std::filesystem::path> setAsidePath; // where a corrupt file was moved
    };

    // <home>/Library/Preferences/VeltCoreDB.sqlite
    static std::filesystem::path defaultStorePath();

    // Opens the store file, creating it or bringing its schema up to date. A file that is
    // not a readable store is renamed aside ("<name>.corrupt-<time>") and a fresh store is
    // begun: the result then holds both the manager and an error naming the moved file.
    // A file written by a newer schema, or locked by another connection, is left untouched
    // and not opened.
    static OpenResult open(const std::filesystem::path& file);
    static OpenResult openDefault() { return open(defaultStorePath()); }

    ~ZKCoreDataManager() override;

    const std::filesystem::path& file() const { return file_; }

    void insertObject(const std::shared_ptr<VeltManagedObject>& object) override;
    void deleteObject(const std::shared_ptr<VeltManagedObject>& object) override;
    void objectDidChange(const std::shared_ptr<VeltManagedObject>& object) override;
    std::optional<ZKError> save() override;
    bool hasChanges() const override;
    // Transactions with unsaved changes are read again from their rows into the same
    // objects (objects they owned in memory are detached and replaced by stored ones);
    // transactions never saved are dropped.
    void rollback() override;
    std::shared_ptr<ZKTransaction> transactionWithGuid(const std::string& guid) override;
    std::vector<std::shared_ptr<ZKTransaction>> allTransactions() override;
    std::vector<std::string> radioGroupNames(const std::string& approvalIdent,
                                             const std::string& documentIdent) override;

    // (transaction GUID, file name) of every document as stored, unsaved changes aside.
    std::vector<std::pair<std::string, std::string>> storedDocumentFiles();

    // Forgets every object in memory, unsaved changes included: the next lookups read the
    // stored rows again. Objects still held elsewhere are detached, so their later
    // changes are never saved.
    void reset();

    // Schema version this build writes.
    static int currentSchemaVersion();

private:
    ZKCoreDataManager(std::filesystem::path file, std::unique_ptr<SqliteDatabase> database);

    std::shared_ptr<ZKTransaction> loadTransaction(std::int64_t rowID);
    void registerLoaded(const std::shared_ptr<VeltManagedObject>& object, std::int64_t rowID);
    void collectOwned(const std::shared_ptr<VeltManagedObject>& object,
                      std::vector<std::shared_ptr<VeltManagedObject>>& into) const;
    std::int64_t nextObjectID(VeltManagedObject::Entity entity);
    std::optional<ZKError> writePending();
    void finishSave();
    void restoreStoredState(const std::shared_ptr<ZKTransaction>& transaction, std::int64_t rowID);
    static void detach(const std::shared_ptr<VeltManagedObject>& object);

    std::filesystem::path file_;
    std::unique_ptr<SqliteDatabase> database_;
    std::unique_ptr<StoreRowReader> reader_;
    std::unique_ptr<StoreRowWriter> writer_;
    std::unordered_map<std::int64_t, std::shared_ptr<ZKTransaction>> transactions_;
    std::vector<std::shared_ptr<VeltManagedObject>> pending_;  // inserted or changed
    std::vector<std::shared_ptr<VeltManagedObject>> deleted_;
    std::unordered_map<int, std::int64_t> lastObjectIDs_;
};

#include "store/StoreSchema.h"

#include "store/SqliteDatabase.h"
#include "store/StoreTables.h"

namespace {

// The store's version: a new file is made at it from the table descriptions. A later
// version that changes a table also adds the step that brings a file of this version up
// to it.
constexpr int kCurrentVersion = 1;

// The indexes of the lookups: what a table's rows belong to, transactions by GUID
// ignoring case, documents by ident, and radio elements by approval and document.
constexpr const char* kIndexes = R"SQL(
CREATE INDEX transactions_guid ON transactions (guid COLLATE NOCASE);
CREATE INDEX predefined_actions_transaction ON predefined_actions (transaction_id);
CREATE INDEX participants_transaction ON participants (transaction_id);
CREATE INDEX documents_transaction ON documents (transaction_id);
CREATE INDEX documents_ident ON documents (ident);
CREATE INDEX elements_document ON elements (document_id);
CREATE INDEX elements_radio ON elements (approval, document_id) WHERE type = 'Radio';
CREATE INDEX validations_element ON validations (element_id);
)SQL";

bool readVersion(SqliteDatabase& database, int& version)
{
    auto& statement = database.statement("PRAGMA user_version");
    if (!statement.step()) {
        return false;
    }
    version = statement.intAt(0);
    statement.reset();
    return true;
}

// What the last failure of the database says about the file.
StoreSchema::Outcome outcomeOfFailure(const SqliteDatabase& database)
{
    if (database.lastErrorIsCorruption()) {
        return StoreSchema::Outcome::corrupt;
    }
    return database.lastErrorIsBusy() ? StoreSchema::Outcome::busy : StoreSchema::Outcome::failed;
}

bool createTables(SqliteDatabase& database, std::string& message, StoreSchema::Outcome& failure)
{
    const std::string sql = "BEGIN IMMEDIATE;" + StoreTables::createSql() + kIndexes + "PRAGMA user_version = " +
                            std::to_string(kCurrentVersion) + ";COMMIT;";
    if (database.execute(sql)) {
        return true;
    }
    message = database.lastErrorMessage();
    failure = outcomeOfFailure(database);
    database.execute("ROLLBACK");
    return false;
}

// The quick integrity check answers one row "ok" for a sound file.
bool passesQuickCheck(SqliteDatabase& database, std::string& message)
{
    auto& statement = database.statement("PRAGMA quick_check");
    const bool sound = statement.step() && statement.textAt(0) == "ok";
    message = sound ? std::string() : (statement.failed() ? database.lastErrorMessage() : statement.textAt(0));
    statement.reset();
    return sound;
}

} // namespace

int StoreSchema::currentVersion()
{
    return kCurrentVersion;
}

StoreSchema::Outcome StoreSchema::prepare(SqliteDatabase& database, std::string& message)
{
    // Reading the schema is the first thing that touches the file's pages: a file that is
    // not a database fails here.
    int version = 0;
    if (!database.execute("SELECT count(*) FROM sqlite_master") || !readVersion(database, version)) {
        message = database.lastErrorMessage();
        return outcomeOfFailure(database);
    }
    if (!passesQuickCheck(database, message)) {
        return database.lastErrorIsBusy() ? Outcome::busy : Outcome::corrupt;
    }
    if (version > currentVersion()) {
        message = "store version " + std::to_string(version) + " is newer than " + std::to_string(currentVersion());
        return Outcome::tooNew;
    }
    // A new store is made without waiting on the disk: a kill cannot lose what was written
    // (only a power cut can), and a store cut short before it holds anything is found
    // unreadable at the next launch, set aside and begun again. From then on commits go
    // to the write-ahead log, which a kill at any instant leaves whole or undone.
    const bool configured = database.execute("PRAGMA foreign_keys = ON") &&
                            (version != 0 || database.execute("PRAGMA synchronous = OFF")) &&
                            database.execute("PRAGMA journal_mode = WAL");
    if (!configured) {
        message = database.lastErrorMessage();
        return outcomeOfFailure(database);
    }
    auto failure = Outcome::failed;
    if (version == 0 && !createTables(database, message, failure)) {
        return failure;
    }
    if (!database.execute("PRAGMA synchronous = NORMAL")) {
        message = database.lastErrorMessage();
        return outcomeOfFailure(database);
    }
    return Outcome::ready;
}

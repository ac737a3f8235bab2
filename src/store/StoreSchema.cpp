#include "store/StoreSchema.h"

#include "store/SqliteDatabase.h"

#include <array>

namespace {

// Version 1: the entities, their relations (deleting an owner deletes what it owns) and
// the indexes of the lookups: transactions by GUID ignoring case, documents by ident, and
// radio elements by approval and document.
constexpr const char* kVersion1 = R"SQL(
CREATE TABLE transactions (
    id INTEGER PRIMARY KEY, guid TEXT NOT NULL, name TEXT NOT NULL, description TEXT NOT NULL,
    status TEXT NOT NULL, draft INTEGER NOT NULL, local INTEGER NOT NULL, last_update REAL NOT NULL,
    expiry REAL, email_message TEXT NOT NULL, in_person INTEGER NOT NULL, autocomplete INTEGER NOT NULL,
    order_signing INTEGER NOT NULL, advanced_options TEXT NOT NULL, trx_attributes TEXT NOT NULL);
CREATE INDEX transactions_guid ON transactions (guid COLLATE NOCASE);
CREATE TABLE predefined_actions (
    id INTEGER PRIMARY KEY,
    transaction_id INTEGER REFERENCES transactions (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    delete_on_server INTEGER NOT NULL, create_on_server INTEGER NOT NULL, send INTEGER NOT NULL,
    sign INTEGER NOT NULL, opt_out INTEGER NOT NULL, complete INTEGER NOT NULL);
CREATE INDEX predefined_actions_transaction ON predefined_actions (transaction_id);
CREATE TABLE participants (
    id INTEGER PRIMARY KEY,
    transaction_id INTEGER REFERENCES transactions (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    uid TEXT NOT NULL, sort_order INTEGER NOT NULL, email TEXT NOT NULL, first_name TEXT NOT NULL,
    last_name TEXT NOT NULL, title TEXT NOT NULL, company TEXT NOT NULL, is_owner INTEGER NOT NULL,
    is_group INTEGER NOT NULL, authentication TEXT NOT NULL, email_message TEXT NOT NULL,
    allow_change_signers INTEGER NOT NULL);
CREATE INDEX participants_transaction ON participants (transaction_id);
CREATE TABLE documents (
    id INTEGER PRIMARY KEY,
    transaction_id INTEGER REFERENCES transactions (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    ident TEXT NOT NULL, name TEXT NOT NULL, sort_order INTEGER NOT NULL, file_name TEXT NOT NULL);
CREATE INDEX documents_transaction ON documents (transaction_id);
CREATE INDEX documents_ident ON documents (ident);
CREATE TABLE elements (
    id INTEGER PRIMARY KEY,
    document_id INTEGER REFERENCES documents (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    ident TEXT NOT NULL, name TEXT NOT NULL, type TEXT NOT NULL, autofill TEXT, content TEXT NOT NULL,
    read_only INTEGER NOT NULL, approval TEXT, page INTEGER NOT NULL, x REAL NOT NULL, y REAL NOT NULL,
    width REAL NOT NULL, height REAL NOT NULL, roles TEXT NOT NULL);
CREATE INDEX elements_document ON elements (document_id);
CREATE INDEX elements_radio ON elements (approval, document_id) WHERE type = 'Radio';
CREATE TABLE validations (
    id INTEGER PRIMARY KEY,
    element_id INTEGER REFERENCES elements (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    required INTEGER NOT NULL, max_length INTEGER, enumeration TEXT NOT NULL, group_name TEXT, pattern TEXT);
CREATE INDEX validations_element ON validations (element_id);
)SQL";

// Step i brings a file of version i to version i + 1.
constexpr std::array<const char*, 1> kSteps = {kVersion1};

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

bool runStep(SqliteDatabase& database, int from, std::string& message, StoreSchema::Outcome& failure)
{
    const std::string sql = std::string("BEGIN IMMEDIATE;") + kSteps[static_cast<std::size_t>(from)] +
                            "PRAGMA user_version = " + std::to_string(from + 1) + ";COMMIT;";
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
    return static_cast<int>(kSteps.size());
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
    for (int step = version; step < currentVersion(); ++step) {
        auto failure = Outcome::failed;
        if (!runStep(database, step, message, failure)) {
            return failure;
        }
    }
    const bool configured = database.execute("PRAGMA foreign_keys = ON") &&
                            database.execute("PRAGMA journal_mode = WAL") &&
                            database.execute("PRAGMA synchronous = NORMAL");
    if (!configured) {
        message = database.lastErrorMessage();
        return outcomeOfFailure(database);
    }
    return Outcome::ready;
}

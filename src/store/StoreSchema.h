#pragma once

#include <string>

class SqliteDatabase;

// Makes a new store file's tables from their descriptions (StoreTables) and their
// indexes, and tells which files can be opened. The version is kept in SQLite's
// user_version and set in the transaction that makes the tables, so an interrupted
// creation leaves a file that is made again at the next opening.
class StoreSchema {
public:
    // busy: another connection holds the file locked; the file may be sound.
    enum class Outcome { ready, corrupt, tooNew, busy, failed };

    static int currentVersion();
    static Outcome prepare(SqliteDatabase& database, std::string& message);
};

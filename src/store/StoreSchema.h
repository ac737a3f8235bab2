#pragma once

#include <string>

class SqliteDatabase;

// The tables of the store and the steps that bring an older file up to the current
// version. The version is kept in SQLite's user_version; each step runs in its own
// transaction, so an interrupted upgrade leaves the file at the previous version.
class StoreSchema {
public:
    // busy: another connection holds the file locked; the file may be sound.
    enum class Outcome { ready, corrupt, tooNew, busy, failed };

    static int currentVersion();
    static Outcome prepare(SqliteDatabase& database, std::string& message);
};

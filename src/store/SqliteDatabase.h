#pragma once

#include "store/SqliteStatement.h"

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

// One open SQLite connection with a cache of prepared statements.
class SqliteDatabase {
public:
    enum class OpenStatus { opened, notADatabase, cannotOpen };

    // Opens (creating when missing) the file. A file that SQLite does not take for a
    // database answers notADatabase; one that cannot be opened at all, cannotOpen.
    static std::unique_ptr<SqliteDatabase> open(const std::filesystem::path& file, OpenStatus& status,
                                                std::string& message);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Runs one or more statements without results; answers whether all succeeded.
    bool execute(const std::string& sql);
    // The prepared statement for `sql`, reset and ready for new bindings.
    SqliteStatement& statement(const std::string& sql);
    std::string lastErrorMessage() const;
    // Whether the last failure was SQLite's "not a database" or "corrupt".
    bool lastErrorIsCorruption() const;
    // Whether the last failure was another connection's lock ("busy" or "locked").
    bool lastErrorIsBusy() const;

private:
    explicit SqliteDatabase(struct sqlite3* handle) : handle_(handle) {}

    struct sqlite3* handle_;
    std::unordered_map<std::string, std::unique_ptr<SqliteStatement>> statements_;
};

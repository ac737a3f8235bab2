#include "store/SqliteDatabase.h"

#include <sqlite3.h>

std::unique_ptr<SqliteDatabase> SqliteDatabase::open(const std::filesystem::path& file, OpenStatus& status,
                                                     std::string& message)
{
    sqlite3* handle = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    const int result = sqlite3_open_v2(file.c_str(), &handle, flags, nullptr);
    if (result != SQLITE_OK) {
        message = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(result);
        status = result == SQLITE_NOTADB || result == SQLITE_CORRUPT ? OpenStatus::notADatabase : OpenStatus::cannotOpen;
        sqlite3_close(handle);
        return nullptr;
    }
    status = OpenStatus::opened;
    return std::unique_ptr<SqliteDatabase>(new SqliteDatabase(handle));
}

SqliteDatabase::~SqliteDatabase()
{
    statements_.clear();
    sqlite3_close(handle_);
}

bool SqliteDatabase::execute(const std::string& sql)
{
    return sqlite3_exec(handle_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

SqliteStatement& SqliteDatabase::statement(const std::string& sql)
{
    auto& slot = statements_[sql];
    if (!slot) {
        slot = std::make_unique<SqliteStatement>(handle_, sql);
    }
    slot->reset();
    return *slot;
}

std::string SqliteDatabase::lastErrorMessage() const
{
    return sqlite3_errmsg(handle_);
}

bool SqliteDatabase::lastErrorIsCorruption() const
{
    const int code = sqlite3_errcode(handle_);
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

bool SqliteDatabase::lastErrorIsBusy() const
{
    const int code = sqlite3_errcode(handle_);
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

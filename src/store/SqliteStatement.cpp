#include "store/SqliteStatement.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3* database, std::string_view sql)
{
    if (sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(statement_);
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(statement_, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, double value)
{
    sqlite3_bind_double(statement_, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view value)
{
    sqlite3_bind_text(statement_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, const std::optional<std::string>& value)
{
    return value ? bind(index, std::string_view(*value)) : bindNull(index);
}

SqliteStatement& SqliteStatement::bind(int index, const std::optional<double>& value)
{
    return value ? bind(index, *value) : bindNull(index);
}

SqliteStatement& SqliteStatement::bind(int index, const std::optional<int>& value)
{
    return value ? bind(index, *value) : bindNull(index);
}

SqliteStatement& SqliteStatement::bindNull(int index)
{
    sqlite3_bind_null(statement_, index);
    return *this;
}

bool SqliteStatement::step()
{
    if (!statement_ || failed_) {
        failed_ = true;
        return false;
    }
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) {
        return true;
    }
    failed_ = result != SQLITE_DONE;
    return false;
}

bool SqliteStatement::execute()
{
    step();
    const bool succeeded = !failed_;
    reset();
    return succeeded;
}

void SqliteStatement::reset()
{
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    failed_ = false;
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::int64At(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

double SqliteStatement::doubleAt(int column) const
{
    return sqlite3_column_double(statement_, column);
}

std::string SqliteStatement::textAt(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))) : std::string();
}

std::optional<std::string> SqliteStatement::optionalTextAt(int column) const
{
    return isNull(column) ? std::nullopt : std::optional(textAt(column));
}

std::optional<double> SqliteStatement::optionalDoubleAt(int column) const
{
    return isNull(column) ? std::nullopt : std::optional(doubleAt(column));
}

std::optional<int> SqliteStatement::optionalIntAt(int column) const
{
    return isNull(column) ? std::nullopt : std::optional(intAt(column));
}

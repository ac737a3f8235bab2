#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQLite statement. Parameters are numbered from 1, columns from 0. The
// statement is reset (and its bindings cleared) by the owner before each use.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* database, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return statement_ != nullptr; }

    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    SqliteStatement& bind(int index, bool value) { return bind(index, static_cast<std::int64_t>(value)); }
    SqliteStatement& bind(int index, double value);
    SqliteStatement& bind(int index, std::string_view value);
    SqliteStatement& bind(int index, const std::string& value) { return bind(index, std::string_view(value)); }
    SqliteStatement& bind(int index, const char* value) { return bind(index, std::string_view(value)); }
    SqliteStatement& bind(int index, const std::optional<std::string>& value);
    SqliteStatement& bind(int index, const std::optional<double>& value);
    SqliteStatement& bind(int index, const std::optional<int>& value);
    SqliteStatement& bindNull(int index);

    // Advances to the next row: true while there is one. A failure ends the rows and is
    // kept in failed().
    bool step();
    // Runs a statement that returns no rows; answers whether it succeeded.
    bool execute();
    void reset();
    bool failed() const { return failed_; }

    bool isNull(int column) const;
    std::int64_t int64At(int column) const;
    int intAt(int column) const { return static_cast<int>(int64At(column)); }
    bool boolAt(int column) const { return int64At(column) != 0; }
    double doubleAt(int column) const;
    std::string textAt(int column) const;
    std::optional<std::string> optionalTextAt(int column) const;
    std::optional<double> optionalDoubleAt(int column) const;
    std::optional<int> optionalIntAt(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
    bool failed_ = false;
};

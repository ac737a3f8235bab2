#pragma once

#include "foundation/Dictionary.h"
#include "store/SqliteStatement.h"

#include <optional>
#include <string>
#include <vector>

// How a field of one C++ type is kept in a column: the column's SQL declaration, how the
// value is bound and how it is read back. An absent optional is NULL. Objects and lists
// of strings are kept as JSON text; a text that does not parse, or holds another kind of
// value, reads as empty.
template <class T>
struct StoreColumnValue;

template <>
struct StoreColumnValue<std::string> {
    static constexpr const char* declaration = "TEXT NOT NULL";
    static void bind(SqliteStatement& statement, int index, const std::string& value) { statement.bind(index, value); }
    static std::string read(const SqliteStatement& statement, int column) { return statement.textAt(column); }
};

template <>
struct StoreColumnValue<bool> {
    static constexpr const char* declaration = "INTEGER NOT NULL";
    static void bind(SqliteStatement& statement, int index, bool value) { statement.bind(index, value); }
    static bool read(const SqliteStatement& statement, int column) { return statement.boolAt(column); }
};

template <>
struct StoreColumnValue<int> {
    static constexpr const char* declaration = "INTEGER NOT NULL";
    static void bind(SqliteStatement& statement, int index, int value) { statement.bind(index, value); }
    static int read(const SqliteStatement& statement, int column) { return statement.intAt(column); }
};

template <>
struct StoreColumnValue<double> {
    static constexpr const char* declaration = "REAL NOT NULL";
    static void bind(SqliteStatement& statement, int index, double value) { statement.bind(index, value); }
    static double read(const SqliteStatement& statement, int column) { return statement.doubleAt(column); }
};

template <>
struct StoreColumnValue<std::optional<std::string>> {
    static constexpr const char* declaration = "TEXT";
    static void bind(SqliteStatement& statement, int index, const std::optional<std::string>& value)
    {
        statement.bind(index, value);
    }
    static std::optional<std::string> read(const SqliteStatement& statement, int column)
    {
        return statement.optionalTextAt(column);
    }
};

template <>
struct StoreColumnValue<std::optional<int>> {
    static constexpr const char* declaration = "INTEGER";
    static void bind(SqliteStatement& statement, int index, const std::optional<int>& value) { statement.bind(index, value); }
    static std::optional<int> read(const SqliteStatement& statement, int column) { return statement.optionalIntAt(column); }
};

template <>
struct StoreColumnValue<std::optional<double>> {
    static constexpr const char* declaration = "REAL";
    static void bind(SqliteStatement& statement, int index, const std::optional<double>& value)
    {
        statement.bind(index, value);
    }
    static std::optional<double> read(const SqliteStatement& statement, int column)
    {
        return statement.optionalDoubleAt(column);
    }
};

template <>
struct StoreColumnValue<Dictionary> {
    static constexpr const char* declaration = "TEXT NOT NULL";
    static void bind(SqliteStatement& statement, int index, const Dictionary& value);
    static Dictionary read(const SqliteStatement& statement, int column);
};

template <>
struct StoreColumnValue<std::vector<std::string>> {
    static constexpr const char* declaration = "TEXT NOT NULL";
    static void bind(SqliteStatement& statement, int index, const std::vector<std::string>& value);
    static std::vector<std::string> read(const SqliteStatement& statement, int column);
};

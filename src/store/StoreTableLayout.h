#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The SQL of one table, made from its columns. A row is the row id, then the id of its
// owning row when the table's rows have an owner (deleting the owner deletes the row),
// then the described columns, in that order in every statement made here. Immutable
// once made, so any thread may use it.
class StoreTableLayout {
public:
    struct Owner {
        std::string table;
        std::string column;
    };
    struct Column {
        std::string name;
        std::string declaration; // the SQL type and constraints, e.g. "TEXT NOT NULL"
    };

    StoreTableLayout(std::string name, std::optional<Owner> owner, std::vector<Column> columns);

    const std::string& name() const { return name_; }
    std::string createSql() const;
    // Inserts a row or updates the row of that id: parameter 1 is the row id, then the
    // owner's id and the columns.
    const std::string& upsertSql() const { return upsertSql_; }
    const std::string& deleteSql() const { return deleteSql_; }
    // "<alias>.id, <alias>.<owner>, <alias>.<column>, ..." for a SELECT over the table
    // named `alias`.
    std::string selectList(std::string_view alias) const;
    // Where the described columns begin: a row's column in a SELECT of selectList(), and
    // one less than their first parameter in upsertSql().
    int firstColumn() const { return owner_ ? 2 : 1; }

private:
    std::vector<std::string> rowColumns() const;

    std::string name_;
    std::optional<Owner> owner_;
    std::vector<Column> columns_;
    std::string upsertSql_;
    std::string deleteSql_;
};

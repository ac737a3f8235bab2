#include "store/StoreTableLayout.h"

#include <utility>

namespace {

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const auto& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

std::string parameter(std::size_t index)
{
    return "?" + std::to_string(index + 1);
}

} // namespace

StoreTableLayout::StoreTableLayout(std::string name, std::optional<Owner> owner, std::vector<Column> columns)
    : name_(std::move(name)), owner_(std::move(owner)), columns_(std::move(columns))
{
    const auto names = rowColumns();
    std::vector<std::string> parameters;
    std::vector<std::string> assignments;
    for (std::size_t index = 0; index < names.size(); ++index) {
        parameters.push_back(parameter(index));
        if (index > 0) {
            assignments.push_back(names[index] + " = " + parameter(index));
        }
    }
    upsertSql_ = "INSERT INTO " + name_ + " (" + joined(names) + ") VALUES (" + joined(parameters) +
                 ") ON CONFLICT (id) DO UPDATE SET " + joined(assignments);
    deleteSql_ = "DELETE FROM " + name_ + " WHERE id = ?1";
}

std::vector<std::string> StoreTableLayout::rowColumns() const
{
    std::vector<std::string> names{"id"};
    if (owner_) {
        names.push_back(owner_->column);
    }
    for (const auto& column : columns_) {
        names.push_back(column.name);
    }
    return names;
}

std::string StoreTableLayout::createSql() const
{
    std::vector<std::string> definitions{"id INTEGER PRIMARY KEY"};
    if (owner_) {
        definitions.push_back(owner_->column + " INTEGER REFERENCES " + owner_->table +
                              " (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED");
    }
    for (const auto& column : columns_) {
        definitions.push_back(column.name + " " + column.declaration);
    }
    return "CREATE TABLE " + name_ + " (" + joined(definitions) + ");";
}

std::string StoreTableLayout::selectList(std::string_view alias) const
{
    std::vector<std::string> names;
    for (const auto& name : rowColumns()) {
        names.push_back(std::string(alias) + "." + name);
    }
    return joined(names);
}

#include "store/StoreColumnValue.h"

namespace {

// Strings that are not UTF-8 are written with replacement characters rather than
// failing the save.
std::string jsonOf(const Dictionary& value)
{
    return value.dump(-1, ' ', false, Dictionary::error_handler_t::replace);
}

Dictionary parsed(const SqliteStatement& statement, int column)
{
    return Dictionary::parse(statement.textAt(column), nullptr, false);
}

} // namespace

void StoreColumnValue<Dictionary>::bind(SqliteStatement& statement, int index, const Dictionary& value)
{
    statement.bind(index, jsonOf(value));
}

Dictionary StoreColumnValue<Dictionary>::read(const SqliteStatement& statement, int column)
{
    auto value = parsed(statement, column);
    return value.is_object() ? value : Dictionary::object();
}

void StoreColumnValue<std::vector<std::string>>::bind(SqliteStatement& statement, int index,
                                                     const std::vector<std::string>& value)
{
    statement.bind(index, jsonOf(Dictionary(value)));
}

std::vector<std::string> StoreColumnValue<std::vector<std::string>>::read(const SqliteStatement& statement, int column)
{
    const auto value = parsed(statement, column);
    std::vector<std::string> strings;
    if (!value.is_array()) {
        return strings;
    }
    for (const auto& item : value) {
        if (item.is_string()) {
            strings.push_back(item.get<std::string>());
        }
    }
    return strings;
}

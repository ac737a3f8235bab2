#include "foundation/Dictionary.h"

namespace platform::dictionary {

namespace {

const Dictionary* valueAt(const Dictionary& dictionary, std::string_view key)
{
    if (!dictionary.is_object()) {
        return nullptr;
    }
    const auto found = dictionary.find(key);
    return found == dictionary.end() ? nullptr : &*found;
}

} // namespace

std::optional<std::string> stringAt(const Dictionary& dictionary, std::string_view key)
{
    const auto* value = valueAt(dictionary, key);
    return value && value->is_string() ? std::optional(value->get<std::string>()) : std::nullopt;
}

std::optional<std::string> stringOrIntegerAt(const Dictionary& dictionary, std::string_view key)
{
    const auto* value = valueAt(dictionary, key);
    if (value && value->is_number_integer()) {
        return value->dump();
    }
    return stringAt(dictionary, key);
}

bool booleanAt(const Dictionary& dictionary, std::string_view key)
{
    const auto* value = valueAt(dictionary, key);
    return value && value->is_boolean() && value->get<bool>();
}

bool booleanOrNumberAt(const Dictionary& dictionary, std::string_view key)
{
    const auto* value = valueAt(dictionary, key);
    if (value && value->is_number()) {
        return value->get<double>() != 0;
    }
    return booleanAt(dictionary, key);
}

Dictionary objectAt(const Dictionary& dictionary, std::string_view key)
{
    const auto* value = valueAt(dictionary, key);
    return value && value->is_object() ? *value : Dictionary::object();
}

} // namespace platform::dictionary

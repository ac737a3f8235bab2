#include "store/DictionaryReader.h"

std::string DictionaryReader::requiredString(const char* key) const
{
    const auto* value = find(key);
    return value ? value->get<std::string>() : std::string();
}

const Dictionary* DictionaryReader::find(const char* key, bool keepNull) const
{
    if (!dictionary_.is_object()) {
        return nullptr;
    }
    const auto found = dictionary_.find(key);
    if (found == dictionary_.end() || (found->is_null() && !keepNull)) {
        return nullptr;
    }
    return &*found;
}

void DictionaryReader::readString(const char* key, const std::function<void(std::string)>& set) const
{
    if (const auto* value = find(key)) {
        set(value->get<std::string>());
    }
}

void DictionaryReader::readOptionalString(const char* key,
                                          const std::function<void(std::optional<std::string>)>& set) const
{
    if (const auto* value = find(key, true)) {
        set(value->is_null() ? std::nullopt : std::optional(value->get<std::string>()));
    }
}

void DictionaryReader::readBool(const char* key, const std::function<void(bool)>& set) const
{
    if (const auto* value = find(key)) {
        set(value->get<bool>());
    }
}

void DictionaryReader::readInt(const char* key, const std::function<void(int)>& set) const
{
    if (const auto* value = find(key)) {
        set(static_cast<int>(value->get<double>()));
    }
}

void DictionaryReader::readOptionalInt(const char* key, const std::function<void(std::optional<int>)>& set) const
{
    if (const auto* value = find(key, true)) {
        set(value->is_null() ? std::nullopt : std::optional(static_cast<int>(value->get<double>())));
    }
}

void DictionaryReader::readDouble(const char* key, const std::function<void(double)>& set) const
{
    if (const auto* value = find(key)) {
        set(value->get<double>());
    }
}

void DictionaryReader::readOptionalDouble(const char* key, const std::function<void(std::optional<double>)>& set) const
{
    if (const auto* value = find(key, true)) {
        set(value->is_null() ? std::nullopt : std::optional(value->get<double>()));
    }
}

void DictionaryReader::readStrings(const char* key, const std::function<void(std::vector<std::string>)>& set) const
{
    if (const auto* value = find(key)) {
        set(value->get<std::vector<std::string>>());
    }
}

void DictionaryReader::readObject(const char* key, const std::function<void(const DictionaryReader&)>& read) const
{
    if (const auto* value = find(key)) {
        read(DictionaryReader(*value));
    }
}

void DictionaryReader::readArray(const char* key, const std::function<void(const DictionaryReader&)>& read) const
{
    readObject(key, read);
}

void DictionaryReader::forEachObject(const std::function<void(const DictionaryReader&)>& read) const
{
    for (const auto& item : dictionary_) {
        read(DictionaryReader(item));
    }
}

#pragma once

#include "foundation/Dictionary.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Typed reads of a dictionary already checked by TransactionDictionarySchema. A read
// calls its setter only when the key is present: null counts as absent, except for the
// optional reads, which pass nullopt for null.
class DictionaryReader {
public:
    explicit DictionaryReader(const Dictionary& dictionary) : dictionary_(dictionary) {}

    const Dictionary& dictionary() const { return dictionary_; }

    std::string requiredString(const char* key) const;

    void readString(const char* key, const std::function<void(std::string)>& set) const;
    void readOptionalString(const char* key, const std::function<void(std::optional<std::string>)>& set) const;
    void readBool(const char* key, const std::function<void(bool)>& set) const;
    void readInt(const char* key, const std::function<void(int)>& set) const;
    void readOptionalInt(const char* key, const std::function<void(std::optional<int>)>& set) const;
    void readDouble(const char* key, const std::function<void(double)>& set) const;
    void readOptionalDouble(const char* key, const std::function<void(std::optional<double>)>& set) const;
    void readStrings(const char* key, const std::function<void(std::vector<std::string>)>& set) const;
    void readObject(const char* key, const std::function<void(const DictionaryReader&)>& read) const;
    void readArray(const char* key, const std::function<void(const DictionaryReader&)>& read) const;
    // For a reader over an array: each element, in order.
    void forEachObject(const std::function<void(const DictionaryReader&)>& read) const;

private:
    // The value under `key`, or nullptr when absent (or null unless `keepNull`).
    const Dictionary* find(const char* key, bool keepNull = false) const;

    const Dictionary& dictionary_;
};

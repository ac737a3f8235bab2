#pragma once

#include "foundation/StringsTable.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace platform {

// A resource directory: the host's main bundle. Resources are found by name and type;
// string tables are parsed once and kept.
class Bundle {
public:
    // The main bundle: Environment::resourceDirectory().
    static Bundle& main();

    explicit Bundle(std::filesystem::path directory);

    const std::filesystem::path& directory() const { return directory_; }
    std::optional<std::filesystem::path> pathForResource(const std::string& name, const std::string& type) const;
    // The value of `key` in the table "<table>.strings", or `fallback` when the table
    // or the entry is missing.
    std::string localizedString(const std::string& key, const std::string& fallback, const std::string& table) const;

private:
    const StringsTable* table(const std::string& name) const;

    std::filesystem::path directory_;
    mutable std::mutex mutex_;
    mutable std::map<std::string, std::optional<StringsTable>> tables_;
};

} // namespace platform

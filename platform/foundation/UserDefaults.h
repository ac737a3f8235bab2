#pragma once

#include "foundation/Dictionary.h"

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

namespace platform {

// Small typed values kept under string keys and persisted to one JSON file. Every change
// is written at once, to a temporary file renamed over the old one. A file that cannot
// be read is reported once and treated as empty; it is replaced only by the next write.
class UserDefaults {
public:
    // The host's defaults: <home>/Library/Preferences/UserDefaults.json.
    static UserDefaults& standard();

    explicit UserDefaults(std::filesystem::path file);

    std::optional<Dictionary> objectForKey(const std::string& key) const;
    std::optional<std::string> stringForKey(const std::string& key) const;
    bool boolForKey(const std::string& key) const;          // false when absent
    long long integerForKey(const std::string& key) const;  // 0 when absent
    double doubleForKey(const std::string& key) const;      // 0 when absent

    void setObject(const std::string& key, const Dictionary& value);
    void setString(const std::string& key, const std::string& value);
    void setBool(const std::string& key, bool value);
    void setInteger(const std::string& key, long long value);
    void setDouble(const std::string& key, double value);
    void removeObjectForKey(const std::string& key);

    // Writes pending changes; answers whether the file now holds them.
    bool synchronize();

    const std::filesystem::path& file() const { return file_; }

private:
    void load();
    bool write();

    std::filesystem::path file_;
    mutable std::mutex mutex_;
    Dictionary values_ = Dictionary::object();
    bool dirty_ = false;
};

} // namespace platform

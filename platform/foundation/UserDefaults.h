#pragma once

#include "foundation/Dictionary.h"

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// Small typed values kept under string keys and persisted to one JSON file. Every change
// is written at once, to a temporary file (".<file name>.<UUID>.tmp") renamed over the
// old one; the temporary files a killed process left beside the file are removed when it
// is next opened, never while a write of this process is under way. A file that cannot
// be read is reported once and treated as empty; it is replaced only by the next write.
// Each change of a key is posted as kDidChangeNotification on the default notification
// centre, on the thread that made it, once the change is written. Safe from any thread.
class UserDefaults {
public:
    // User info {"key": the key that was set or removed}.
    static constexpr const char* kDidChangeNotification = "platform.UserDefaultsDidChange";

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
    // Sets each key that has a value and removes each that has none, in one write of the
    // file: a reader of the file sees all of the changes or none of them.
    void setObjectsForKeys(const std::vector<std::pair<std::string, std::optional<Dictionary>>>& changes);

    // Writes pending changes; answers whether the file now holds them.
    bool synchronize();

    const std::filesystem::path& file() const { return file_; }

private:
    void removeInterruptedWrites() const;
    void load();
    bool write();
    static void postChange(const std::string& key);

    std::filesystem::path file_;
    mutable std::mutex mutex_;
    Dictionary values_ = Dictionary::object();
    bool dirty_ = false;
};

} // namespace platform

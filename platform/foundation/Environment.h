#pragma once

#include <filesystem>
#include <string>

namespace platform {

// What the host application tells the SDK about the device it runs on: its home
// directory (Library/Preferences, the temporary folder), the main bundle's resource
// directory, and the locale and time zone that dates are shown in.
class Environment {
public:
    static std::filesystem::path homeDirectory();
    static void setHomeDirectory(const std::filesystem::path& path);
    static std::filesystem::path preferencesDirectory(); // <home>/Library/Preferences
    static std::filesystem::path cachesDirectory();      // <home>/Library/Caches
    static std::filesystem::path temporaryDirectory();   // <home>/tmp

    static std::filesystem::path resourceDirectory();
    static void setResourceDirectory(const std::filesystem::path& path);

    static std::string locale();   // ICU locale id, "en_US" by default
    static void setLocale(const std::string& localeId);
    static std::string timeZone(); // Olson id, the system's zone by default
    static void setTimeZone(const std::string& zoneId);
};

} // namespace platform

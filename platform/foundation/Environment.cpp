#include "foundation/Environment.h"

#include <cstdlib>
#include <mutex>

#include <unicode/timezone.h>
#include <unicode/unistr.h>

namespace platform {

namespace {

// The device description the host gives; guarded because worker threads read paths.
// Never destroyed, as workers still running at exit read it.
struct DeviceSettings {
    std::mutex mutex;
    std::filesystem::path home;
    std::filesystem::path resources;
    std::string locale = "en_US";
    std::string timeZone;
};

DeviceSettings& settings()
{
    static auto* value = new DeviceSettings();
    return *value;
}

std::filesystem::path defaultHome()
{
    if (const char* home = std::getenv("HOME"))
        return std::filesystem::path(home) / ".veltra";
    return std::filesystem::temp_directory_path() / "veltra-home";
}

std::string systemTimeZone()
{
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createDefault());
    icu::UnicodeString id;
    zone->getID(id);
    std::string result;
    id.toUTF8String(result);
    return result;
}

} // namespace

std::filesystem::path Environment::homeDirectory()
{
    std::lock_guard lock(settings().mutex);
    return settings().home.empty() ? defaultHome() : settings().home;
}

void Environment::setHomeDirectory(const std::filesystem::path& path)
{
    std::lock_guard lock(settings().mutex);
    settings().home = path;
}

std::filesystem::path Environment::preferencesDirectory()
{
    return homeDirectory() / "Library" / "Preferences";
}

std::filesystem::path Environment::cachesDirectory()
{
    return homeDirectory() / "Library" / "Caches";
}

std::filesystem::path Environment::temporaryDirectory()
{
    return homeDirectory() / "tmp";
}

std::filesystem::path Environment::resourceDirectory()
{
    std::lock_guard lock(settings().mutex);
    return settings().resources.empty() ? std::filesystem::path(VELTRA_RESOURCE_DIR) : settings().resources;
}

void Environment::setResourceDirectory(const std::filesystem::path& path)
{
    std::lock_guard lock(settings().mutex);
    settings().resources = path;
}

std::string Environment::locale()
{
    std::lock_guard lock(settings().mutex);
    return settings().locale;
}

void Environment::setLocale(const std::string& localeId)
{
    std::lock_guard lock(settings().mutex);
    settings().locale = localeId;
}

std::string Environment::timeZone()
{
    std::lock_guard lock(settings().mutex);
    if (settings().timeZone.empty())
        settings().timeZone = systemTimeZone();
    return settings().timeZone;
}

void Environment::setTimeZone(const std::string& zoneId)
{
    std::lock_guard lock(settings().mutex);
    settings().timeZone = zoneId;
}

} // namespace platform

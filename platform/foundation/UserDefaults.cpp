#include "foundation/UserDefaults.h"

#include "foundation/AtomicFile.h"
#include "foundation/Environment.h"
#include "foundation/Log.h"
#include "foundation/NotificationCenter.h"
#include "foundation/SharedInstances.h"

#include <fstream>
#include <sstream>

namespace platform {

namespace {

// Held by every write of any instance and by the removal of leftovers at opening, so a
// removal never takes the temporary file of a write in progress, even when two instances
// of this process name the same file.
std::mutex& fileLock()
{
    static auto* lock = new std::mutex();
    return *lock;
}

} // namespace

UserDefaults& UserDefaults::standard()
{
    static auto* slot = new ResettableSlot<UserDefaults>();
    return slot->get([] { return std::make_unique<UserDefaults>(Environment::preferencesDirectory() / "UserDefaults.json"); });
}

UserDefaults::UserDefaults(std::filesystem::path file)
    : file_(std::move(file))
{
    removeInterruptedWrites();
    load();
}

void UserDefaults::removeInterruptedWrites() const
{
    std::lock_guard lock(fileLock());
    std::error_code error;
    const std::filesystem::directory_iterator end;
    for (auto entry = std::filesystem::directory_iterator(file_.parent_path(), error); !error && entry != end;
         entry.increment(error)) {
        if (AtomicFile::isTemporaryPathOf(entry->path(), file_)) {
            std::error_code ignored;
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

void UserDefaults::load()
{
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return;
    std::ostringstream text;
    text << in.rdbuf();
    auto parsed = Dictionary::parse(text.str(), nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object()) {
        Log::write("ERROR", "User defaults at " + file_.string() + " are unreadable; starting empty");
        return;
    }
    values_ = std::move(parsed);
}

std::optional<Dictionary> UserDefaults::objectForKey(const std::string& key) const
{
    std::lock_guard lock(mutex_);
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return *found;
}

std::optional<std::string> UserDefaults::stringForKey(const std::string& key) const
{
    const auto value = objectForKey(key);
    if (!value || !value->is_string())
        return std::nullopt;
    return value->get<std::string>();
}

bool UserDefaults::boolForKey(const std::string& key) const
{
    const auto value = objectForKey(key);
    if (!value)
        return false;
    if (value->is_boolean())
        return value->get<bool>();
    if (value->is_number())
        return value->get<double>() != 0;
    if (value->is_string()) {
        const auto text = value->get<std::string>();
        return text == "YES" || text == "yes" || text == "true" || text == "1";
    }
    return false;
}

long long UserDefaults::integerForKey(const std::string& key) const
{
    const auto value = objectForKey(key);
    if (!value)
        return 0;
    if (value->is_number())
        return static_cast<long long>(value->get<double>());
    if (value->is_boolean())
        return value->get<bool>() ? 1 : 0;
    return 0;
}

double UserDefaults::doubleForKey(const std::string& key) const
{
    const auto value = objectForKey(key);
    return value && value->is_number() ? value->get<double>() : 0.0;
}

void UserDefaults::setObject(const std::string& key, const Dictionary& value)
{
    setObjectsForKeys({{key, value}});
}

void UserDefaults::setString(const std::string& key, const std::string& value)
{
    setObject(key, Dictionary(value));
}

void UserDefaults::setBool(const std::string& key, bool value)
{
    setObject(key, Dictionary(value));
}

void UserDefaults::setInteger(const std::string& key, long long value)
{
    setObject(key, Dictionary(value));
}

void UserDefaults::setDouble(const std::string& key, double value)
{
    setObject(key, Dictionary(value));
}

void UserDefaults::removeObjectForKey(const std::string& key)
{
    setObjectsForKeys({{key, std::nullopt}});
}

void UserDefaults::setObjectsForKeys(const std::vector<std::pair<std::string, std::optional<Dictionary>>>& changes)
{
    std::vector<std::string> changed;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [key, value] : changes) {
            if (value)
                values_[key] = *value;
            else if (values_.erase(key) == 0)
                continue;
            changed.push_back(key);
        }
        if (changed.empty())
            return;
        dirty_ = true;
        write();
    }
    // Observers may read the defaults again, so they hear of the change outside the lock.
    for (const auto& key : changed)
        postChange(key);
}

void UserDefaults::postChange(const std::string& key)
{
    NotificationCenter::defaultCenter().post(kDidChangeNotification, nullptr, {{"key", key}});
}

bool UserDefaults::synchronize()
{
    std::lock_guard lock(mutex_);
    return !dirty_ || write();
}

bool UserDefaults::write()
{
    const auto text = values_.dump(2, ' ', false, Dictionary::error_handler_t::replace);
    std::lock_guard lock(fileLock());
    if (!AtomicFile::write(file_, text, AtomicFile::TemporaryName::ofTarget)) {
        Log::write("ERROR", "User defaults could not be written to " + file_.string());
        return false;
    }
    dirty_ = false;
    return true;
}

} // namespace platform

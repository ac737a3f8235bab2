#include "foundation/Bundle.h"

#include "foundation/Environment.h"
#include "foundation/Log.h"
#include "foundation/SharedInstances.h"

#include <fstream>
#include <sstream>

namespace platform {

Bundle& Bundle::main()
{
    static auto* slot = new ResettableSlot<Bundle>();
    const auto directory = Environment::resourceDirectory();
    return slot->get([&directory] { return std::make_unique<Bundle>(directory); },
                     [&directory](const Bundle& bundle) { return bundle.directory() != directory; });
}

Bundle::Bundle(std::filesystem::path directory)
    : directory_(std::move(directory))
{
}

std::optional<std::filesystem::path> Bundle::pathForResource(const std::string& name, const std::string& type) const
{
    if (name.empty() || name.find('/') != std::string::npos || name.find("..") != std::string::npos)
        return std::nullopt;
    auto path = directory_ / (type.empty() ? name : name + "." + type);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    return path;
}

std::string Bundle::localizedString(const std::string& key, const std::string& fallback, const std::string& table) const
{
    const auto* strings = this->table(table);
    if (!strings)
        return fallback;
    return strings->lookup(key).value_or(fallback);
}

const StringsTable* Bundle::table(const std::string& name) const
{
    std::lock_guard lock(mutex_);
    auto found = tables_.find(name);
    if (found == tables_.end()) {
        std::optional<StringsTable> parsed;
        if (const auto path = pathForResource(name, "strings")) {
            std::ifstream in(*path, std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            std::string error;
            parsed = StringsTable::parse(text.str(), &error);
            if (!parsed)
                Log::write("ERROR", "String table " + path->string() + " is malformed: " + error);
        }
        found = tables_.emplace(name, std::move(parsed)).first;
    }
    return found->second ? &*found->second : nullptr;
}

} // namespace platform

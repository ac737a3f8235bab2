#include "service/ZKServerConfiguration.h"

#include "foundation/Bundle.h"
#include "foundation/SharedInstances.h"
#include "service/PropertyListReader.h"
#include "support/ZKLogger.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

constexpr int kWarningLevel = 3;

// Header lines are built from these texts, so nothing may end a line or a name early.
bool isSafeHeaderName(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return c > 0x20 && c < 0x7F && c != ':';
    });
}

bool isSafeHeaderValue(const std::string& value)
{
    return std::none_of(value.begin(), value.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

} // namespace

std::shared_ptr<ZKServerConfiguration> ZKServerConfiguration::sharedInstance()
{
    return platform::SharedInstance<ZKServerConfiguration>::get();
}

ZKServerConfiguration::ZKServerConfiguration()
{
    const auto path = platform::Bundle::main().pathForResource("Server", "plist");
    if (!path) {
        return;
    }
    std::ifstream file(*path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (!file) {
        ZKLogger::logLevel("Server.plist could not be read", kWarningLevel);
        return;
    }
    apply(bytes.str());
}

ZKServerConfiguration ZKServerConfiguration::fromPropertyList(std::string_view bytes)
{
    ZKServerConfiguration configuration{Defaults{}};
    configuration.apply(bytes);
    return configuration;
}

void ZKServerConfiguration::apply(std::string_view bytes)
{
    std::string error;
    const auto plist = PropertyListReader::read(bytes, &error);
    if (!plist) {
        ZKLogger::logLevel("Server.plist is not a valid property list: " + error, kWarningLevel);
        return;
    }
    if (const auto timeout = plist->find("requestTimeout"); timeout != plist->end()) {
        if (timeout->is_number() && timeout->get<double>() > 0) {
            requestTimeout_ = timeout->get<double>();
        } else {
            ZKLogger::logLevel("Server.plist: requestTimeout must be a positive number", kWarningLevel);
        }
    }
    const auto headers = plist->find("additionalHeaders");
    if (headers == plist->end() || !headers->is_object()) {
        return;
    }
    for (const auto& [name, value] : headers->items()) {
        if (!value.is_string() || !isSafeHeaderName(name) || !isSafeHeaderValue(value.get<std::string>())) {
            ZKLogger::logLevel("Server.plist: header \"" + name + "\" skipped", kWarningLevel);
            continue;
        }
        additionalHeaders_[name] = value.get<std::string>();
    }
}

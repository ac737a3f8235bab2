#include "support/ZKLogger.h"

#include "foundation/Log.h"

#include <atomic>
#include <sstream>
#include <string_view>

namespace {

std::atomic<int> g_threshold{ZKLogger::kDefaultThreshold};

constexpr std::string_view kRule = "----------------------------------------------------";

} // namespace

int ZKLogger::threshold()
{
    return g_threshold.load();
}

void ZKLogger::setThreshold(int level)
{
    g_threshold.store(level);
}

void ZKLogger::logLevel(const std::string& message, int level)
{
    if (level > threshold())
        return;
    std::ostringstream entry;
    entry << "[Log level: " << level << "]\n" << message << "\n" << kRule;
    platform::Log::write("INFO", entry.str());
}

void ZKLogger::logRequest(const std::string& method, const std::string& url,
                          const std::map<std::string, std::string>& headers, const Dictionary& body)
{
    std::ostringstream entry;
    entry << method << " " << url << "\n";
    for (const auto& [name, value] : headers)
        entry << name << ": " << value << "\n";
    if (!body.is_null())
        entry << body.dump(2, ' ', false, Dictionary::error_handler_t::replace) << "\n";
    entry << kRule;
    platform::Log::write("REQUEST", entry.str());
}

void ZKLogger::logResponse(const std::string& url, long status, const std::string& body)
{
    std::ostringstream entry;
    entry << status << " " << url << "\n";
    const auto parsed = Dictionary::parse(body, nullptr, false);
    entry << (parsed.is_discarded() ? body : parsed.dump(2, ' ', false, Dictionary::error_handler_t::replace)) << "\n" << kRule;
    platform::Log::write("RESPONSE", entry.str());
}

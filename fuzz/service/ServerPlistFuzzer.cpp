// The host's "Server.plist": the property-list reader and the settings taken from it.
#include "foundation/Log.h"
#include "service/ZKPropertyListParser.h"
#include "service/ZKServerConfiguration.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = [] {
        platform::Log::setSink([](std::string_view, std::string_view) {});
        return true;
    }();
    (void)quiet;
    const std::string text(reinterpret_cast<const char*>(data), size);
    ZKPropertyListParser::parse(text);
    ZKServerConfiguration::fromText(text);
    return 0;
}

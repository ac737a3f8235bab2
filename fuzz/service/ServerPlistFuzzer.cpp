// The host's "Server.plist", XML or binary: the property-list reader and the settings
// taken from it.
#include "foundation/Log.h"
#include "service/PropertyListReader.h"
#include "service/ZKServerConfiguration.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = [] {
        platform::Log::setSink([](std::string_view, std::string_view) {});
        return true;
    }();
    (void)quiet;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PropertyListReader::read(bytes);
    ZKServerConfiguration::fromPropertyList(bytes);
    return 0;
}

#include "foundation/StringsTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (const auto table = platform::StringsTable::parse(text, &error))
        table->lookup("key");
    return 0;
}

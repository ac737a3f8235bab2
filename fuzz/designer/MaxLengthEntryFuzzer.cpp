#include "designer/ZKMaxLengthEntry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// The input is a maximum length as typed, then a NUL and a default value. A limit is
// only ever given for ASCII digits, and a default value passes only within it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\0');
    const auto typed = input.substr(0, split);
    const auto defaultValue = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    const ZKMaxLengthEntry entry(typed);
    const auto message = entry.messageForDefaultValue(defaultValue);
    if (message) {
        return 0;
    }
    const bool digits = std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || (typed.empty() != !entry.limit().has_value()) || (entry.limit() && *entry.limit() < 0)) {
        std::abort();
    }
    if (entry.limit() && defaultValue.size() > 4 * static_cast<std::size_t>(*entry.limit())) {
        std::abort();
    }
    return 0;
}

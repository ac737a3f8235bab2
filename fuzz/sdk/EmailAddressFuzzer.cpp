#include "sdk/VTEmailAddressFormat.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view address(reinterpret_cast<const char*>(data), size);
    if (!VTEmailAddressFormat::isValid(address)) {
        return 0;
    }
    const auto at = address.find('@');
    const bool shaped = address.size() <= VTEmailAddressFormat::kMaximumLength &&
                        std::count(address.begin(), address.end(), '@') == 1 &&
                        at <= VTEmailAddressFormat::kMaximumLocalPartLength &&
                        address.find("..", at) == std::string_view::npos && address.back() != '.';
    if (!shaped) {
        std::abort();
    }
    return 0;
}

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Base64 (RFC 4648), as contact cards and data: URIs carry pictures: decoding skips
// white space and accepts missing padding; any other foreign character makes the value
// unreadable.
class Base64 {
public:
    static std::string encode(std::span<const std::uint8_t> bytes);
    static std::optional<std::vector<std::uint8_t>> decode(std::string_view text);
};

} // namespace platform

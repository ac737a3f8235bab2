#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform::graphics {

// Turns the bytes of a text document into UTF-8: UTF-8 as it stands (a byte order mark
// dropped), anything else read as Windows-1252, the Latin-1 superset that such files
// are written in.
class TextDecoder {
public:
    static std::string decode(std::span<const std::uint8_t> bytes);

    static void appendWindows1252(std::string& text, std::uint8_t byte);
};

} // namespace platform::graphics

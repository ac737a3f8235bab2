#pragma once

#include "graphics/TextBlock.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform::graphics {

// Reads a plain-text file as preformatted lines: UTF-8, or Windows-1252 when the bytes
// are not UTF-8; CR LF, CR and form feeds end lines. Bytes containing NUL are binary
// data, not text: nullopt.
class PlainTextReader {
public:
    static std::optional<std::vector<TextBlock>> read(std::span<const std::uint8_t> bytes);
};

} // namespace platform::graphics

#pragma once

#include "graphics/TextBlock.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace platform::graphics {

// Reads a plain-text file as preformatted lines: UTF-8, or Windows-1252 when the bytes
// are not UTF-8; CR LF, CR and form feeds end lines. Bytes containing NUL are binary
// data, not text. Stateless.
class PlainTextReader {
public:
    // Hands each line on as it is read, so that only one line is held at a time; false,
    // before any line, for binary data.
    static bool read(std::span<const std::uint8_t> bytes, const std::function<void(const TextBlock&)>& line);
    // Every line at once; nullopt for binary data.
    static std::optional<std::vector<TextBlock>> read(std::span<const std::uint8_t> bytes);
};

} // namespace platform::graphics

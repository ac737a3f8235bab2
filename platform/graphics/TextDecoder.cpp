#include "graphics/TextDecoder.h"

#include "foundation/Text.h"

#include <array>
#include <string_view>

namespace platform::graphics {
namespace {

// Code points of the bytes 0x80-0x9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char32_t, 32> windows1252High = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

} // namespace

std::string TextDecoder::decode(std::span<const std::uint8_t> bytes)
{
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text::isValidUtf8(view))
        return std::string(view.starts_with("\xEF\xBB\xBF") ? view.substr(3) : view);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (const std::uint8_t byte : bytes)
        appendWindows1252(text, byte);
    return text;
}

void TextDecoder::appendWindows1252(std::string& text, std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = windows1252High[byte - 0x80];
        platform::text::appendUtf8(text, mapped ? mapped : 0xFFFD);
        return;
    }
    platform::text::appendUtf8(text, byte);
}

} // namespace platform::graphics

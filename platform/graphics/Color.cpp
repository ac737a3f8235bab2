#include "graphics/Color.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace platform::graphics {

namespace {

std::optional<int> hexByte(const std::string& text, std::size_t offset)
{
    int value = 0;
    for (std::size_t i = offset; i < offset + 2; ++i) {
        const char digit = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        if (digit >= '0' && digit <= '9') {
            value = value * 16 + (digit - '0');
        } else if (digit >= 'a' && digit <= 'f') {
            value = value * 16 + (digit - 'a' + 10);
        } else {
            return std::nullopt;
        }
    }
    return value;
}

int toByte(double component)
{
    return static_cast<int>(std::lround(std::clamp(component, 0.0, 1.0) * 255));
}

} // namespace

std::optional<Color> Color::fromHex(const std::string& text)
{
    const std::string digits = !text.empty() && text.front() == '#' ? text.substr(1) : text;
    if (digits.size() != 6 && digits.size() != 8) {
        return std::nullopt;
    }
    double components[4] = {0, 0, 0, 1};
    for (std::size_t i = 0; i < digits.size() / 2; ++i) {
        const auto byte = hexByte(digits, i * 2);
        if (!byte) {
            return std::nullopt;
        }
        components[i] = *byte / 255.0;
    }
    return Color{components[0], components[1], components[2], components[3]};
}

std::string Color::hexString() const
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", toByte(red), toByte(green), toByte(blue));
    return buffer;
}

} // namespace platform::graphics

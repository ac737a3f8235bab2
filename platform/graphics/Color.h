#pragma once

#include <optional>
#include <string>

namespace platform::graphics {

// An sRGB colour with straight (not premultiplied) alpha, each component in 0...1.
struct Color {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;
    bool operator==(const Color&) const = default;

    static Color fromRGBA(double red, double green, double blue, double alpha = 1) { return {red, green, blue, alpha}; }
    static Color fromWhite(double white, double alpha = 1) { return {white, white, white, alpha}; }
    // "#RRGGBB" or "#RRGGBBAA" (the "#" may be left out); none for anything else.
    static std::optional<Color> fromHex(const std::string& text);

    static Color clear() { return {0, 0, 0, 0}; }
    static Color black() { return {0, 0, 0, 1}; }
    static Color white() { return {1, 1, 1, 1}; }
    static Color systemRed() { return {1, 59 / 255.0, 48 / 255.0, 1}; }
    static Color darkGray() { return fromWhite(1.0 / 3); }
    static Color gray() { return fromWhite(0.5); }
    static Color lightGray() { return fromWhite(2.0 / 3); }
    static Color systemGray() { return fromRGBA(142 / 255.0, 142 / 255.0, 147 / 255.0); }
    static Color systemGray4() { return fromRGBA(209 / 255.0, 209 / 255.0, 214 / 255.0); }
    static Color systemGray6() { return fromRGBA(242 / 255.0, 242 / 255.0, 247 / 255.0); }
    static Color systemBlue() { return fromRGBA(0, 122 / 255.0, 1); }
    static Color systemGreen() { return fromRGBA(52 / 255.0, 199 / 255.0, 89 / 255.0); }

    Color withAlpha(double newAlpha) const { return {red, green, blue, newAlpha}; }
    bool isClear() const { return alpha <= 0; }
    // "#RRGGBB" (alpha dropped).
    std::string hexString() const;
};

} // namespace platform::graphics

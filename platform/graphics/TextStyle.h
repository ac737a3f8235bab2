#pragma once

#include "graphics/Color.h"
#include "graphics/Font.h"

namespace platform::graphics {

enum class TextAlignment { left, center, right, natural, justified };

// How a block of text is set: its default font and colour, alignment and line limit
// (0 = any number of lines).
struct TextStyle {
    Font font;
    Color color = Color::black();
    TextAlignment alignment = TextAlignment::natural;
    int numberOfLines = 1;
};

} // namespace platform::graphics

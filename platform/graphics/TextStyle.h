#pragma once

#include "graphics/Color.h"
#include "graphics/Font.h"

namespace platform::graphics {

enum class TextAlignment { left, center, right, natural, justified };
// Where text shorter than its box sits. Text of any number of lines that is taller than
// its box shows its start.
enum class VerticalTextAlignment { center, top };

// How a block of text is set: its default font and colour, alignment and line limit
// (0 = any number of lines) and where it sits in its box.
struct TextStyle {
    Font font;
    Color color = Color::black();
    TextAlignment alignment = TextAlignment::natural;
    int numberOfLines = 1;
    VerticalTextAlignment verticalAlignment = VerticalTextAlignment::center;
    // Set as a label sets text: of more lines than the line limit or the box holds, only
    // those that fit whole show (at least one), the last ended with an ellipsis. Otherwise
    // the line at the box's edge is cut, as in a view that scrolls.
    bool wholeLines = false;
};

} // namespace platform::graphics

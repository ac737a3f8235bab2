#pragma once

#include "graphics/Color.h"
#include "graphics/Geometry.h"

#include <string>

namespace platform::graphics {

class DrawingContext;

// Draws the characters of a font that exists as code rather than as a font file (an
// icon font): each character is a small picture in the em box of the text around it.
class GlyphPainter {
public:
    virtual ~GlyphPainter() = default;

    // Draws `glyph` (one character, UTF-8) into `box`, a square as high as the font's
    // size, in `color`.
    virtual void paint(DrawingContext& context, const std::string& glyph, const Rect& box,
                       const Color& color) const = 0;
};

} // namespace platform::graphics

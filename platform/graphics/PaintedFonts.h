#pragma once

#include "graphics/GlyphPainter.h"

#include <memory>
#include <string>

namespace platform::graphics {

// The font families that glyph painters draw instead of font files. Text set in such a
// family (a run's font or a view's font) gets one painted picture per character, and
// Font::isFontAvailable answers yes for it. Families are registered while the program
// starts (any thread) and looked up wherever text is set; a family registered again gets
// the new painter. Not reset between tests: the registrations stand for installed fonts.
class PaintedFonts {
public:
    static void registerFamily(const std::string& family, std::shared_ptr<const GlyphPainter> painter);
    // The painter of the family (names compare without regard to case), or null.
    static std::shared_ptr<const GlyphPainter> painterFor(const std::string& family);
};

} // namespace platform::graphics

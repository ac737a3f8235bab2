#pragma once

#include "graphics/GlyphPainter.h"

// The SDK's icon font "ios-vlt", drawn as small vector pictures: arrows and marks of the
// composer's bars, the recipient kinds and the designer's field types. A character the
// font has no picture for is drawn as itself in a rounded frame, so it still reads.
// Stateless; safe from any thread.
class VTIconFontPainter : public platform::graphics::GlyphPainter {
public:
    static constexpr const char* family = "ios-vlt";

    // Makes the family available to every text drawn from now on.
    static void registerFont();

    void paint(platform::graphics::DrawingContext& context, const std::string& glyph,
               const platform::graphics::Rect& box, const platform::graphics::Color& color) const override;
};

#pragma once

#include "graphics/AttributedString.h"
#include "graphics/Geometry.h"
#include "graphics/TextStyle.h"

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;

namespace platform::graphics {

// A pango layout of attributed text in a style: the one place text is shaped, for both
// measuring and drawing.
class TextLayout {
public:
    TextLayout(cairo_t* cairo, const AttributedString& text, const TextStyle& style, double maxWidth);
    ~TextLayout();
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    // Measures without a drawing surface of the caller's.
    static Size measure(const AttributedString& text, const TextStyle& style, double maxWidth);

    Size size() const;
    // Draws with the top-left corner of the text at `origin`.
    void draw(cairo_t* cairo, const Point& origin, const Color& color) const;

private:
    void applyRuns(const AttributedString& text, const TextStyle& style);

    PangoLayout* layout_;
};

} // namespace platform::graphics

#pragma once

#include "graphics/Color.h"
#include "graphics/DrawingContext.h"
#include "graphics/Geometry.h"
#include "graphics/Image.h"

#include <litehtml/litehtml.h>

namespace platform::graphics {

// Paints the boxes of a laid-out HTML page on cairo, in CSS pixels: background colours
// and pictures (scaled, positioned, repeated as asked, clipped to the box with its
// rounded corners), borders side by side in their own widths, colours and styles, and
// the bullets of list items.
// Thread rule: a painter lives for one drawing, on the thread that owns its cairo context.
class HtmlBoxPainter {
public:
    explicit HtmlBoxPainter(cairo_t* cairo);

    void paintBackground(const litehtml::background_paint& background, const Image* image);
    void paintBorders(const litehtml::borders& borders, const litehtml::position& box);
    void paintMarker(const litehtml::list_marker& marker, const Image* image);

    static Color colorOf(const litehtml::web_color& color);
    static Rect rectOf(const litehtml::position& position);

private:
    void paintPicture(const litehtml::background_paint& background, const Image& image);
    // `side` counts clockwise from the top: 0 top, 1 right, 2 bottom, 3 left.
    void paintSide(int side, const litehtml::border& border, const litehtml::borders& borders, const Rect& box);

    DrawingContext context_;
};

} // namespace platform::graphics

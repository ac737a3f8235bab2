#include "graphics/HtmlBoxPainter.h"

#include <cairo.h>

#include <array>

namespace platform::graphics {
namespace {

bool isDrawn(const litehtml::border& border)
{
    return border.width > 0 && border.style != litehtml::border_style_none && border.style != litehtml::border_style_hidden;
}

bool sameBorder(const litehtml::border& a, const litehtml::border& b)
{
    return a.width == b.width && a.style == b.style && a.color.red == b.color.red && a.color.green == b.color.green
        && a.color.blue == b.color.blue && a.color.alpha == b.color.alpha;
}

// The outer and inner corners of one side, clockwise, so that neighbouring sides of
// different colours meet on the diagonal as a browser draws them.
std::array<Point, 4> sideCorners(int side, const litehtml::borders& borders, const Rect& box)
{
    const double top = borders.top.width, right = borders.right.width;
    const double bottom = borders.bottom.width, left = borders.left.width;
    switch (side) {
    case 0:
        return {{{box.minX(), box.minY()}, {box.maxX(), box.minY()}, {box.maxX() - right, box.minY() + top},
                 {box.minX() + left, box.minY() + top}}};
    case 1:
        return {{{box.maxX(), box.minY()}, {box.maxX(), box.maxY()}, {box.maxX() - right, box.maxY() - bottom},
                 {box.maxX() - right, box.minY() + top}}};
    case 2:
        return {{{box.maxX(), box.maxY()}, {box.minX(), box.maxY()}, {box.minX() + left, box.maxY() - bottom},
                 {box.maxX() - right, box.maxY() - bottom}}};
    default:
        return {{{box.minX(), box.maxY()}, {box.minX(), box.minY()}, {box.minX() + left, box.minY() + top},
                 {box.minX() + left, box.maxY() - bottom}}};
    }
}

} // namespace

HtmlBoxPainter::HtmlBoxPainter(cairo_t* cairo)
    : context_(cairo)
{
}

Color HtmlBoxPainter::colorOf(const litehtml::web_color& color)
{
    return Color::fromRGBA(color.red / 255.0, color.green / 255.0, color.blue / 255.0, color.alpha / 255.0);
}

Rect HtmlBoxPainter::rectOf(const litehtml::position& position)
{
    return {{static_cast<double>(position.x), static_cast<double>(position.y)},
            {static_cast<double>(position.width), static_cast<double>(position.height)}};
}

void HtmlBoxPainter::paintBackground(const litehtml::background_paint& background, const Image* image)
{
    context_.save();
    context_.clip(rectOf(background.clip_box), background.border_radius.top_left_x);
    context_.fill(rectOf(background.clip_box), colorOf(background.color));
    if (image)
        paintPicture(background, *image);
    context_.restore();
}

void HtmlBoxPainter::paintPicture(const litehtml::background_paint& background, const Image& image)
{
    const Rect tile = {{static_cast<double>(background.position_x), static_cast<double>(background.position_y)},
                       {static_cast<double>(background.image_size.width), static_cast<double>(background.image_size.height)}};
    if (tile.isEmpty() || image.pixelWidth() <= 0 || image.pixelHeight() <= 0)
        return;
    cairo_t* cairo = context_.cairo();
    const Rect clip = rectOf(background.clip_box);
    switch (background.repeat) {
    case litehtml::background_repeat_no_repeat:
        context_.drawImage(image, tile);
        return;
    case litehtml::background_repeat_repeat_x:
        context_.clip({{clip.minX(), tile.minY()}, {clip.width(), tile.height()}});
        break;
    case litehtml::background_repeat_repeat_y:
        context_.clip({{tile.minX(), clip.minY()}, {tile.width(), clip.height()}});
        break;
    default:
        break;
    }
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(image.surface());
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, image.pixelWidth() / tile.width(), image.pixelHeight() / tile.height());
    cairo_matrix_translate(&matrix, -tile.minX(), -tile.minY());
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_set_source(cairo, pattern);
    cairo_paint(cairo);
    cairo_pattern_destroy(pattern);
}

void HtmlBoxPainter::paintBorders(const litehtml::borders& borders, const litehtml::position& box)
{
    const Rect rect = rectOf(box);
    const litehtml::border& top = borders.top;
    const bool uniform = isDrawn(top) && sameBorder(top, borders.right) && sameBorder(top, borders.bottom)
        && sameBorder(top, borders.left);
    // One stroke is as good as four sides where they all look alike, and far cheaper in
    // a table of many cells.
    if (uniform && top.style != litehtml::border_style_dotted && top.style != litehtml::border_style_dashed) {
        context_.strokeInside(rect, colorOf(top.color), top.width, borders.radius.top_left_x);
        return;
    }
    const std::array<const litehtml::border*, 4> sides = {&borders.top, &borders.right, &borders.bottom, &borders.left};
    for (int side = 0; side < 4; ++side) {
        if (isDrawn(*sides[side]))
            paintSide(side, *sides[side], borders, rect);
    }
}

void HtmlBoxPainter::paintSide(int side, const litehtml::border& border, const litehtml::borders& borders, const Rect& box)
{
    cairo_t* cairo = context_.cairo();
    const Color color = colorOf(border.color);
    const auto corners = sideCorners(side, borders, box);
    if (border.style == litehtml::border_style_dotted || border.style == litehtml::border_style_dashed) {
        const double dash = border.style == litehtml::border_style_dotted ? border.width : 3.0 * border.width;
        const Point from = {(corners[0].x + corners[3].x) / 2, (corners[0].y + corners[3].y) / 2};
        const Point to = {(corners[1].x + corners[2].x) / 2, (corners[1].y + corners[2].y) / 2};
        cairo_save(cairo);
        cairo_set_dash(cairo, &dash, 1, 0);
        context_.strokeLine(from, to, color, border.width);
        cairo_restore(cairo);
        return;
    }
    cairo_move_to(cairo, corners[0].x, corners[0].y);
    for (int i = 1; i < 4; ++i)
        cairo_line_to(cairo, corners[i].x, corners[i].y);
    cairo_close_path(cairo);
    cairo_set_source_rgba(cairo, color.red, color.green, color.blue, color.alpha);
    cairo_fill(cairo);
}

void HtmlBoxPainter::paintMarker(const litehtml::list_marker& marker, const Image* image)
{
    const Rect box = rectOf(marker.pos);
    const Color color = colorOf(marker.color);
    if (image) {
        context_.drawImage(*image, {box.origin, image->size()});
        return;
    }
    switch (marker.marker_type) {
    case litehtml::list_style_type_none:
        return;
    case litehtml::list_style_type_circle:
        context_.strokeInside(box, color, 1, box.width() / 2);
        return;
    case litehtml::list_style_type_square:
        context_.fill(box, color);
        return;
    default:
        context_.fillEllipse(box, color);
        return;
    }
}

} // namespace platform::graphics

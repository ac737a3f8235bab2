#include "graphics/DrawingContext.h"

#include "graphics/TextLayout.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace platform::graphics {

namespace {

void setSource(cairo_t* cairo, const Color& color)
{
    cairo_set_source_rgba(cairo, color.red, color.green, color.blue, color.alpha);
}

} // namespace

DrawingContext::DrawingContext(cairo_t* cairo) : cairo_(cairo) {}

void DrawingContext::save()
{
    cairo_save(cairo_);
}

void DrawingContext::restore()
{
    cairo_restore(cairo_);
}

void DrawingContext::translate(double dx, double dy)
{
    cairo_translate(cairo_, dx, dy);
}

void DrawingContext::concat(const AffineTransform& transform)
{
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, transform.a, transform.b, transform.c, transform.d, transform.tx, transform.ty);
    cairo_transform(cairo_, &matrix);
}

void DrawingContext::addRoundedRect(const Rect& rect, double radius)
{
    const double r = std::clamp(radius, 0.0, std::min(rect.width(), rect.height()) / 2);
    if (r <= 0) {
        cairo_rectangle(cairo_, rect.minX(), rect.minY(), rect.width(), rect.height());
        return;
    }
    cairo_new_sub_path(cairo_);
    cairo_arc(cairo_, rect.maxX() - r, rect.minY() + r, r, -M_PI / 2, 0);
    cairo_arc(cairo_, rect.maxX() - r, rect.maxY() - r, r, 0, M_PI / 2);
    cairo_arc(cairo_, rect.minX() + r, rect.maxY() - r, r, M_PI / 2, M_PI);
    cairo_arc(cairo_, rect.minX() + r, rect.minY() + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cairo_);
}

void DrawingContext::clip(const Rect& rect, double cornerRadius)
{
    addRoundedRect(rect, cornerRadius);
    cairo_clip(cairo_);
}

void DrawingContext::beginTransparencyLayer()
{
    cairo_push_group(cairo_);
}

void DrawingContext::endTransparencyLayer(double alpha)
{
    cairo_pop_group_to_source(cairo_);
    cairo_paint_with_alpha(cairo_, std::clamp(alpha, 0.0, 1.0));
}

void DrawingContext::fill(const Rect& rect, const Color& color, double cornerRadius)
{
    if (color.isClear() || rect.isEmpty()) {
        return;
    }
    addRoundedRect(rect, cornerRadius);
    setSource(cairo_, color);
    cairo_fill(cairo_);
}

void DrawingContext::strokeInside(const Rect& rect, const Color& color, double lineWidth, double cornerRadius)
{
    if (color.isClear() || lineWidth <= 0 || rect.isEmpty()) {
        return;
    }
    const double half = lineWidth / 2;
    addRoundedRect(rect.insetBy(half, half), std::max(cornerRadius - half, 0.0));
    setSource(cairo_, color);
    cairo_set_line_width(cairo_, lineWidth);
    cairo_stroke(cairo_);
}

void DrawingContext::strokeLine(const Point& from, const Point& to, const Color& color, double lineWidth)
{
    cairo_move_to(cairo_, from.x, from.y);
    cairo_line_to(cairo_, to.x, to.y);
    setSource(cairo_, color);
    cairo_set_line_width(cairo_, lineWidth);
    cairo_stroke(cairo_);
}

void DrawingContext::addEllipse(const Rect& rect)
{
    cairo_save(cairo_);
    cairo_translate(cairo_, rect.midX(), rect.midY());
    cairo_scale(cairo_, rect.width() / 2, rect.height() / 2);
    cairo_new_sub_path(cairo_);
    cairo_arc(cairo_, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cairo_);
}

void DrawingContext::fillEllipse(const Rect& rect, const Color& color)
{
    if (rect.isEmpty()) {
        return;
    }
    addEllipse(rect);
    setSource(cairo_, color);
    cairo_fill(cairo_);
}

void DrawingContext::strokeEllipse(const Rect& rect, const Color& color, double lineWidth)
{
    if (rect.isEmpty() || lineWidth <= 0) {
        return;
    }
    addEllipse(rect);
    strokeRound(color, lineWidth);
}

void DrawingContext::addPolyline(const std::vector<Point>& points, bool closed)
{
    cairo_new_path(cairo_);
    for (const Point& point : points) {
        cairo_line_to(cairo_, point.x, point.y);
    }
    if (closed) {
        cairo_close_path(cairo_);
    }
}

void DrawingContext::strokeRound(const Color& color, double lineWidth)
{
    cairo_save(cairo_);
    setSource(cairo_, color);
    cairo_set_line_width(cairo_, lineWidth);
    cairo_set_line_cap(cairo_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cairo_, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cairo_);
    cairo_restore(cairo_);
}

void DrawingContext::strokePolyline(const std::vector<Point>& points, const Color& color, double lineWidth,
                                    bool closed)
{
    if (points.size() < 2 || lineWidth <= 0) {
        return;
    }
    addPolyline(points, closed);
    strokeRound(color, lineWidth);
}

void DrawingContext::fillPolygon(const std::vector<Point>& points, const Color& color)
{
    if (points.size() < 3) {
        return;
    }
    addPolyline(points, true);
    setSource(cairo_, color);
    cairo_fill(cairo_);
}

void DrawingContext::strokeArc(const Point& center, double radius, double startAngle, double endAngle,
                               const Color& color, double lineWidth)
{
    if (radius <= 0 || lineWidth <= 0) {
        return;
    }
    cairo_new_path(cairo_);
    cairo_arc(cairo_, center.x, center.y, radius, startAngle, endAngle);
    strokeRound(color, lineWidth);
}

void DrawingContext::drawImage(const Image& image, const Rect& rect)
{
    if (rect.isEmpty() || image.pixelWidth() == 0 || image.pixelHeight() == 0) {
        return;
    }
    cairo_save(cairo_);
    cairo_rectangle(cairo_, rect.minX(), rect.minY(), rect.width(), rect.height());
    cairo_clip(cairo_);
    cairo_translate(cairo_, rect.minX(), rect.minY());
    cairo_scale(cairo_, rect.width() / image.pixelWidth(), rect.height() / image.pixelHeight());
    cairo_set_source_surface(cairo_, image.surface(), 0, 0);
    cairo_paint(cairo_);
    cairo_restore(cairo_);
}

void DrawingContext::drawText(const AttributedString& text, const Rect& rect, const TextStyle& style)
{
    if (text.empty() || rect.isEmpty()) {
        return;
    }
    const TextLayout layout(cairo_, text, style, rect.width(), rect.height());
    const double room = rect.height() - layout.size().height;
    // Text of any number of lines that overflows shows its start, not its middle.
    const bool centred =
        style.verticalAlignment == VerticalTextAlignment::center && (room > 0 || style.numberOfLines > 0);
    cairo_save(cairo_);
    cairo_rectangle(cairo_, rect.minX(), rect.minY(), rect.width(), rect.height());
    cairo_clip(cairo_);
    layout.draw(cairo_, {rect.minX(), rect.minY() + (centred ? room / 2 : 0)}, style.color);
    cairo_restore(cairo_);
}

void DrawingContext::drawText(const std::string& text, const Rect& rect, const TextStyle& style)
{
    drawText(AttributedString(text), rect, style);
}

void DrawingContext::drawTextShowingEnd(const AttributedString& text, const Rect& rect, const TextStyle& style)
{
    if (text.empty() || rect.isEmpty()) {
        return;
    }
    TextStyle oneLine = style;
    oneLine.numberOfLines = 1;
    const TextLayout layout(cairo_, text, oneLine, 0);
    const Size size = layout.size();
    if (size.width <= rect.width()) {
        drawText(text, rect, style);
        return;
    }
    cairo_save(cairo_);
    cairo_rectangle(cairo_, rect.minX(), rect.minY(), rect.width(), rect.height());
    cairo_clip(cairo_);
    const double room = rect.height() - size.height;
    const bool centred = style.verticalAlignment == VerticalTextAlignment::center;
    layout.draw(cairo_, {rect.maxX() - size.width, rect.minY() + (centred ? room / 2 : 0)}, style.color);
    cairo_restore(cairo_);
}

Size DrawingContext::measureText(const AttributedString& text, const TextStyle& style, double maxWidth)
{
    return TextLayout(cairo_, text, style, maxWidth).size();
}

} // namespace platform::graphics

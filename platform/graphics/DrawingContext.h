#pragma once

#include "graphics/AffineTransform.h"
#include "graphics/AttributedString.h"
#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/Image.h"
#include "graphics/TextStyle.h"

#include <vector>

typedef struct _cairo cairo_t;

namespace platform::graphics {

// Drawing operations in points on a cairo context. Coordinates grow right and down.
// State changes (transforms, clips) last until the matching restore().
class DrawingContext {
public:
    explicit DrawingContext(cairo_t* cairo);
    DrawingContext(const DrawingContext&) = delete;
    DrawingContext& operator=(const DrawingContext&) = delete;

    void save();
    void restore();
    void translate(double dx, double dy);
    void concat(const AffineTransform& transform);
    void clip(const Rect& rect, double cornerRadius = 0);

    // Everything drawn until endTransparencyLayer() is composited at once with `alpha`.
    void beginTransparencyLayer();
    void endTransparencyLayer(double alpha);

    void fill(const Rect& rect, const Color& color, double cornerRadius = 0);
    // A border drawn inside the rectangle's edge, as a layer border is.
    void strokeInside(const Rect& rect, const Color& color, double lineWidth, double cornerRadius = 0);
    void strokeLine(const Point& from, const Point& to, const Color& color, double lineWidth);
    void fillEllipse(const Rect& rect, const Color& color);
    void strokeEllipse(const Rect& rect, const Color& color, double lineWidth);
    // Lines through the points with round ends and joins, closed back to the first point
    // when asked.
    void strokePolyline(const std::vector<Point>& points, const Color& color, double lineWidth, bool closed = false);
    void fillPolygon(const std::vector<Point>& points, const Color& color);
    // Angles in radians, clockwise from the positive x axis.
    void strokeArc(const Point& center, double radius, double startAngle, double endAngle, const Color& color,
                   double lineWidth);

    // Draws the image scaled into the rectangle.
    void drawImage(const Image& image, const Rect& rect);

    // Text set in the rectangle's width, vertically centred in it, clipped to it.
    void drawText(const AttributedString& text, const Rect& rect, const TextStyle& style);
    void drawText(const std::string& text, const Rect& rect, const TextStyle& style);
    // One line of text: where it is wider than the rectangle, its end is set against the
    // rectangle's right edge with no ellipsis, as a field being typed in shows it; otherwise
    // as drawText() draws it.
    void drawTextShowingEnd(const AttributedString& text, const Rect& rect, const TextStyle& style);
    // The size the text takes when set in `maxWidth` (0 = unlimited).
    Size measureText(const AttributedString& text, const TextStyle& style, double maxWidth = 0);

    cairo_t* cairo() const { return cairo_; }

private:
    void addRoundedRect(const Rect& rect, double radius);
    void addEllipse(const Rect& rect);
    void addPolyline(const std::vector<Point>& points, bool closed);
    void strokeRound(const Color& color, double lineWidth);

    cairo_t* cairo_;
};

} // namespace platform::graphics

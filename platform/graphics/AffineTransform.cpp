#include "graphics/AffineTransform.h"

#include <algorithm>
#include <cmath>

namespace platform::graphics {

AffineTransform AffineTransform::scale(double sx, double sy)
{
    return {sx, 0, 0, sy, 0, 0};
}

AffineTransform AffineTransform::translation(double dx, double dy)
{
    return {1, 0, 0, 1, dx, dy};
}

AffineTransform AffineTransform::rotation(double radians)
{
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    return {cosine, sine, -sine, cosine, 0, 0};
}

AffineTransform AffineTransform::concatenating(const AffineTransform& then) const
{
    return {a * then.a + b * then.c,
            a * then.b + b * then.d,
            c * then.a + d * then.c,
            c * then.b + d * then.d,
            tx * then.a + ty * then.c + then.tx,
            tx * then.b + ty * then.d + then.ty};
}

std::optional<AffineTransform> AffineTransform::inverted() const
{
    const double determinant = a * d - b * c;
    if (std::abs(determinant) < 1e-12) {
        return std::nullopt;
    }
    const double ia = d / determinant;
    const double ib = -b / determinant;
    const double ic = -c / determinant;
    const double id = a / determinant;
    return AffineTransform{ia, ib, ic, id, -(tx * ia + ty * ic), -(tx * ib + ty * id)};
}

Rect AffineTransform::apply(const Rect& rect) const
{
    const Point corners[] = {apply(rect.origin), apply(Point{rect.maxX(), rect.minY()}),
                             apply(Point{rect.minX(), rect.maxY()}), apply(Point{rect.maxX(), rect.maxY()})};
    double minX = corners[0].x;
    double maxX = corners[0].x;
    double minY = corners[0].y;
    double maxY = corners[0].y;
    for (const Point& corner : corners) {
        minX = std::min(minX, corner.x);
        maxX = std::max(maxX, corner.x);
        minY = std::min(minY, corner.y);
        maxY = std::max(maxY, corner.y);
    }
    return makeRect(minX, minY, maxX - minX, maxY - minY);
}

} // namespace platform::graphics

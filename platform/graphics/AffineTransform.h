#pragma once

#include "graphics/Geometry.h"

#include <optional>

namespace platform::graphics {

// A 2-D affine transform in the row-vector convention: a point (x, y) maps to
// (a x + c y + tx, b x + d y + ty).
struct AffineTransform {
    double a = 1;
    double b = 0;
    double c = 0;
    double d = 1;
    double tx = 0;
    double ty = 0;
    bool operator==(const AffineTransform&) const = default;

    static AffineTransform identity() { return {}; }
    static AffineTransform scale(double sx, double sy);
    static AffineTransform translation(double dx, double dy);
    static AffineTransform rotation(double radians);

    bool isIdentity() const { return *this == AffineTransform{}; }
    // This transform followed by `then`.
    AffineTransform concatenating(const AffineTransform& then) const;
    AffineTransform scaledBy(double sx, double sy) const { return scale(sx, sy).concatenating(*this); }
    AffineTransform translatedBy(double dx, double dy) const { return translation(dx, dy).concatenating(*this); }
    AffineTransform rotatedBy(double radians) const { return rotation(radians).concatenating(*this); }
    // None when the transform collapses the plane (determinant zero).
    std::optional<AffineTransform> inverted() const;

    Point apply(const Point& point) const { return {a * point.x + c * point.y + tx, b * point.x + d * point.y + ty}; }
    // The bounding box of the transformed corners.
    Rect apply(const Rect& rect) const;
};

} // namespace platform::graphics

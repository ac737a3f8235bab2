#pragma once

#include <algorithm>

namespace platform::graphics {

struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
    Point operator+(const Point& other) const { return {x + other.x, y + other.y}; }
    Point operator-(const Point& other) const { return {x - other.x, y - other.y}; }
};

struct Size {
    double width = 0;
    double height = 0;
    bool operator==(const Size&) const = default;
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

struct EdgeInsets {
    double top = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    bool operator==(const EdgeInsets&) const = default;
};

struct Rect {
    Point origin;
    Size size;
    bool operator==(const Rect&) const = default;

    double minX() const { return origin.x; }
    double minY() const { return origin.y; }
    double maxX() const { return origin.x + size.width; }
    double maxY() const { return origin.y + size.height; }
    double midX() const { return origin.x + size.width / 2; }
    double midY() const { return origin.y + size.height / 2; }
    double width() const { return size.width; }
    double height() const { return size.height; }
    Point center() const { return {midX(), midY()}; }
    bool isEmpty() const { return size.isEmpty(); }

    // Half-open on the far edges, so neighbouring rectangles never both contain a point.
    bool contains(const Point& point) const
    {
        return point.x >= minX() && point.x < maxX() && point.y >= minY() && point.y < maxY();
    }
    bool contains(const Rect& other) const
    {
        return other.minX() >= minX() && other.maxX() <= maxX() && other.minY() >= minY() && other.maxY() <= maxY();
    }
    bool intersects(const Rect& other) const
    {
        return minX() < other.maxX() && other.minX() < maxX() && minY() < other.maxY() && other.minY() < maxY();
    }
    // The common part; an empty rectangle at the origin when there is none.
    Rect intersection(const Rect& other) const
    {
        if (!intersects(other)) {
            return {};
        }
        const double x = std::max(minX(), other.minX());
        const double y = std::max(minY(), other.minY());
        return {{x, y}, {std::min(maxX(), other.maxX()) - x, std::min(maxY(), other.maxY()) - y}};
    }
    // The smallest rectangle holding both; an empty rectangle adds nothing.
    Rect unionWith(const Rect& other) const
    {
        if (other.isEmpty()) {
            return *this;
        }
        if (isEmpty()) {
            return other;
        }
        const double x = std::min(minX(), other.minX());
        const double y = std::min(minY(), other.minY());
        return {{x, y}, {std::max(maxX(), other.maxX()) - x, std::max(maxY(), other.maxY()) - y}};
    }
    Rect insetBy(double dx, double dy) const
    {
        return {{origin.x + dx, origin.y + dy}, {size.width - 2 * dx, size.height - 2 * dy}};
    }
    Rect inset(const EdgeInsets& insets) const
    {
        return {{origin.x + insets.left, origin.y + insets.top},
                {size.width - insets.left - insets.right, size.height - insets.top - insets.bottom}};
    }
    Rect offsetBy(double dx, double dy) const { return {{origin.x + dx, origin.y + dy}, size}; }
};

inline Rect makeRect(double x, double y, double width, double height)
{
    return Rect{{x, y}, {width, height}};
}

} // namespace platform::graphics

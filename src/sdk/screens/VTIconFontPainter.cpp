#include "sdk/screens/VTIconFontPainter.h"

#include "graphics/DrawingContext.h"
#include "graphics/PaintedFonts.h"

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <vector>

using platform::graphics::Color;
using platform::graphics::DrawingContext;
using platform::graphics::Point;
using platform::graphics::Rect;

namespace {

// Draws in the glyph's box with coordinates from 0 to 1 across and down, and line widths
// in the same unit.
class IconPen {
public:
    IconPen(DrawingContext& context, const Rect& box, const Color& color)
        : context_(context), box_(box), color_(color)
    {
    }

    Point at(double x, double y) const { return {box_.minX() + x * box_.width(), box_.minY() + y * box_.height()}; }
    Rect area(double x, double y, double width, double height) const
    {
        return {at(x, y), {width * box_.width(), height * box_.height()}};
    }

    void line(std::vector<Point> unitPoints, double width = stroke, bool closed = false) const
    {
        context_.strokePolyline(scaled(std::move(unitPoints)), color_, width * box_.width(), closed);
    }
    void shape(std::vector<Point> unitPoints) const { context_.fillPolygon(scaled(std::move(unitPoints)), color_); }
    void ring(double x, double y, double width, double height, double lineWidth = stroke) const
    {
        context_.strokeEllipse(area(x, y, width, height), color_, lineWidth * box_.width());
    }
    void dot(double x, double y, double width, double height) const
    {
        context_.fillEllipse(area(x, y, width, height), color_);
    }
    void frame(double x, double y, double width, double height, double radius = 0.08) const
    {
        context_.strokeInside(area(x, y, width, height), color_, stroke * box_.width(), radius * box_.width());
    }
    void arc(double x, double y, double radius, double from, double to, double width = stroke) const
    {
        context_.strokeArc(at(x, y), radius * box_.width(), from, to, color_, width * box_.width());
    }
    void character(const std::string& glyph) const
    {
        platform::graphics::TextStyle style;
        style.font = platform::graphics::Font::boldSystemFont(box_.height() * 0.55);
        style.color = color_;
        style.alignment = platform::graphics::TextAlignment::center;
        context_.drawText(glyph, box_, style);
    }

    static constexpr double stroke = 0.1;

private:
    std::vector<Point> scaled(std::vector<Point> points) const
    {
        for (Point& point : points) {
            point = at(point.x, point.y);
        }
        return points;
    }

    DrawingContext& context_;
    Rect box_;
    Color color_;
};

void chevronDown(const IconPen& pen)
{
    pen.line({{0.2, 0.35}, {0.5, 0.65}, {0.8, 0.35}}, 0.13);
}

void chevronRight(const IconPen& pen)
{
    pen.line({{0.35, 0.2}, {0.65, 0.5}, {0.35, 0.8}}, 0.13);
}

void chevronUp(const IconPen& pen)
{
    pen.line({{0.2, 0.65}, {0.5, 0.35}, {0.8, 0.65}}, 0.13);
}

void nextArrow(const IconPen& pen)
{
    pen.ring(0.06, 0.06, 0.88, 0.88, 0.08);
    pen.line({{0.28, 0.5}, {0.7, 0.5}});
    pen.line({{0.52, 0.32}, {0.7, 0.5}, {0.52, 0.68}});
}

void addMark(const IconPen& pen)
{
    pen.ring(0.06, 0.06, 0.88, 0.88, 0.08);
    pen.line({{0.5, 0.28}, {0.5, 0.72}});
    pen.line({{0.28, 0.5}, {0.72, 0.5}});
}

void checkMark(const IconPen& pen)
{
    pen.line({{0.16, 0.52}, {0.4, 0.76}, {0.86, 0.26}}, 0.13);
}

// A person of head and shoulders, filled or drawn as an outline.
void person(const IconPen& pen, double x, double scale, bool filled)
{
    const double head = 0.34 * scale;
    const double headLeft = x + 0.5 - head / 2;
    if (filled) {
        pen.dot(headLeft, 0.12, head, head);
        pen.shape({{x + 0.5 - 0.32 * scale, 0.9},
                   {x + 0.5 - 0.28 * scale, 0.62},
                   {x + 0.5 - 0.14 * scale, 0.52},
                   {x + 0.5 + 0.14 * scale, 0.52},
                   {x + 0.5 + 0.28 * scale, 0.62},
                   {x + 0.5 + 0.32 * scale, 0.9}});
        return;
    }
    pen.ring(headLeft, 0.12, head, head, 0.08);
    pen.line({{x + 0.5 - 0.32 * scale, 0.88},
              {x + 0.5 - 0.28 * scale, 0.64},
              {x + 0.5 - 0.14 * scale, 0.54},
              {x + 0.5 + 0.14 * scale, 0.54},
              {x + 0.5 + 0.28 * scale, 0.64},
              {x + 0.5 + 0.32 * scale, 0.88}},
             0.08, true);
}

void recipient(const IconPen& pen)
{
    person(pen, 0, 1, true);
}

void myself(const IconPen& pen)
{
    person(pen, -0.12, 0.85, true);
    pen.line({{0.6, 0.66}, {0.72, 0.78}, {0.94, 0.52}}, 0.1);
}

void placeholder(const IconPen& pen)
{
    person(pen, 0, 1, false);
}

void group(const IconPen& pen)
{
    person(pen, 0.18, 0.75, false);
    person(pen, -0.12, 0.95, true);
}

void signature(const IconPen& pen)
{
    pen.line({{0.08, 0.62}, {0.2, 0.38}, {0.3, 0.66}, {0.42, 0.34}, {0.52, 0.64}, {0.62, 0.44}, {0.7, 0.58},
              {0.92, 0.5}},
             0.08);
    pen.line({{0.08, 0.84}, {0.92, 0.84}}, 0.06);
}

void calendar(const IconPen& pen)
{
    pen.frame(0.1, 0.18, 0.8, 0.72);
    pen.line({{0.1, 0.38}, {0.9, 0.38}}, 0.08);
    pen.line({{0.32, 0.08}, {0.32, 0.26}}, 0.08);
    pen.line({{0.68, 0.08}, {0.68, 0.26}}, 0.08);
}

void signingDate(const IconPen& pen)
{
    calendar(pen);
    pen.line({{0.32, 0.62}, {0.45, 0.75}, {0.7, 0.5}}, 0.08);
}

void dateField(const IconPen& pen)
{
    calendar(pen);
    for (const double y : {0.52, 0.7}) {
        for (const double x : {0.26, 0.44, 0.62}) {
            pen.dot(x, y, 0.11, 0.11);
        }
    }
}

void signerTitle(const IconPen& pen)
{
    pen.frame(0.06, 0.2, 0.88, 0.62);
    pen.dot(0.16, 0.34, 0.2, 0.2);
    pen.shape({{0.13, 0.7}, {0.16, 0.58}, {0.36, 0.58}, {0.39, 0.7}});
    pen.line({{0.5, 0.4}, {0.82, 0.4}}, 0.07);
    pen.line({{0.5, 0.58}, {0.74, 0.58}}, 0.07);
}

void company(const IconPen& pen)
{
    pen.frame(0.2, 0.08, 0.6, 0.84, 0.04);
    for (const double y : {0.22, 0.42, 0.62}) {
        pen.dot(0.32, y, 0.12, 0.1);
        pen.dot(0.56, y, 0.12, 0.1);
    }
    pen.shape({{0.42, 0.92}, {0.42, 0.78}, {0.58, 0.78}, {0.58, 0.92}});
}

void textField(const IconPen& pen)
{
    pen.frame(0.04, 0.28, 0.92, 0.44);
    pen.line({{0.24, 0.38}, {0.24, 0.62}}, 0.07);
}

// A page with a folded corner and lines of text: the transaction itself.
void document(const IconPen& pen)
{
    pen.line({{0.2, 0.06}, {0.6, 0.06}, {0.82, 0.28}, {0.82, 0.94}, {0.2, 0.94}}, 0.08, true);
    pen.line({{0.58, 0.08}, {0.58, 0.3}, {0.8, 0.3}}, 0.07);
    for (const double y : {0.5, 0.66, 0.8}) {
        pen.line({{0.34, y}, {0.68, y}}, 0.06);
    }
}

// A closed envelope: a message that goes with the invitation.
void envelope(const IconPen& pen)
{
    pen.frame(0.06, 0.2, 0.88, 0.6);
    pen.line({{0.1, 0.26}, {0.5, 0.56}, {0.9, 0.26}}, 0.07);
}

void label(const IconPen& pen)
{
    pen.line({{0.1, 0.3}, {0.62, 0.3}, {0.9, 0.5}, {0.62, 0.7}, {0.1, 0.7}}, 0.08, true);
    pen.dot(0.2, 0.44, 0.12, 0.12);
}

void checkBox(const IconPen& pen)
{
    pen.frame(0.12, 0.12, 0.76, 0.76);
    pen.line({{0.28, 0.5}, {0.44, 0.66}, {0.74, 0.34}}, 0.09);
}

void list(const IconPen& pen)
{
    for (const double y : {0.22, 0.5, 0.78}) {
        pen.dot(0.08, y - 0.06, 0.12, 0.12);
        pen.line({{0.32, y}, {0.92, y}}, 0.08);
    }
}

void textArea(const IconPen& pen)
{
    pen.frame(0.06, 0.1, 0.88, 0.8);
    for (const double y : {0.32, 0.5, 0.68}) {
        pen.line({{0.22, y}, {y < 0.6 ? 0.78 : 0.56, y}}, 0.07);
    }
}

void radio(const IconPen& pen)
{
    pen.ring(0.1, 0.1, 0.8, 0.8, 0.09);
    pen.dot(0.32, 0.32, 0.36, 0.36);
}

// Three bars to grip a row by.
void dragHandle(const IconPen& pen)
{
    for (const double y : {0.3, 0.5, 0.7}) {
        pen.line({{0.18, y}, {0.82, y}}, 0.08);
    }
}

void trash(const IconPen& pen)
{
    pen.line({{0.14, 0.22}, {0.86, 0.22}}, 0.08);
    pen.line({{0.38, 0.22}, {0.4, 0.1}, {0.6, 0.1}, {0.62, 0.22}}, 0.07);
    pen.line({{0.22, 0.3}, {0.28, 0.9}, {0.72, 0.9}, {0.78, 0.3}}, 0.08);
    for (const double x : {0.4, 0.6}) {
        pen.line({{x, 0.38}, {x, 0.8}}, 0.06);
    }
}

using Icon = std::function<void(const IconPen&)>;

const std::map<std::string, Icon>& icons()
{
    static const std::map<std::string, Icon> table{
        {"x", chevronDown}, {"y", chevronUp},     {"Y", nextArrow},   {"C", checkMark},   {"v", myself},
        {"p", recipient},   {"5", placeholder},   {">", group},       {"4", signature},   {"/", signingDate},
        {"6", signerTitle}, {"7", company},       {"z", textField},   {"R", label},       {"Q", checkBox},
        {"8", list},        {"t", textArea},      {"!", radio},       {"U", dateField},   {"=", dragHandle},
        {"T", trash},       {"+", addMark},       {"B", chevronRight},
        {"d", document},    {"m", envelope},
    };
    return table;
}

} // namespace

void VTIconFontPainter::registerFont()
{
    platform::graphics::PaintedFonts::registerFamily(family, std::make_shared<VTIconFontPainter>());
}

void VTIconFontPainter::paint(DrawingContext& context, const std::string& glyph, const Rect& box,
                              const Color& color) const
{
    const IconPen pen(context, box, color);
    const auto found = icons().find(glyph);
    if (found != icons().end()) {
        found->second(pen);
        return;
    }
    pen.frame(0.04, 0.04, 0.92, 0.92, 0.2);
    pen.character(glyph);
}

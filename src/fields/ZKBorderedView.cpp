#include "fields/ZKBorderedView.h"

#include <cairo.h>

#include <array>

using platform::graphics::Point;

namespace {

// Dashes long enough to read as a guide, not as a solid edge.
constexpr std::array<double, 2> dashPattern{4, 3};

class DashedStroke {
public:
    explicit DashedStroke(platform::graphics::DrawingContext& context) : cairo_(context.cairo())
    {
        cairo_save(cairo_);
        cairo_set_dash(cairo_, dashPattern.data(), static_cast<int>(dashPattern.size()), 0);
    }
    ~DashedStroke() { cairo_restore(cairo_); }
    DashedStroke(const DashedStroke&) = delete;
    DashedStroke& operator=(const DashedStroke&) = delete;

private:
    cairo_t* cairo_;
};

} // namespace

ZKBorderedView::ZKBorderedView()
{
    setUserInteractionEnabled(false);
}

std::pair<Point, Point> ZKBorderedView::lineSegment() const
{
    const auto& b = bounds();
    switch (lineType_) {
    case lineTop:
        return {{b.minX(), b.minY()}, {b.maxX(), b.minY()}};
    case lineCentralHorizontal:
        return {{b.minX(), b.midY()}, {b.maxX(), b.midY()}};
    case lineLeft:
        return {{b.minX(), b.minY()}, {b.minX(), b.maxY()}};
    case lineCentralVertical:
        return {{b.midX(), b.minY()}, {b.midX(), b.maxY()}};
    case lineRight:
        return {{b.maxX(), b.minY()}, {b.maxX(), b.maxY()}};
    default:
        return {{b.minX(), b.maxY()}, {b.maxX(), b.maxY()}};
    }
}

void ZKBorderedView::draw(platform::graphics::DrawingContext& context) const
{
    View::draw(context);
    if (borderShown_) {
        context.fill(bounds(), fillColor_, borderCornerRadius_);
        const DashedStroke dashed(context);
        context.strokeInside(bounds(), borderColor_, lineWidth, borderCornerRadius_);
    }
    if (lineShown_) {
        const auto [from, to] = lineSegment();
        const DashedStroke dashed(context);
        context.strokeLine(from, to, borderColor_, lineWidth);
    }
}

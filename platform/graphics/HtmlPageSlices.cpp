#include "graphics/HtmlPageSlices.h"

#include "graphics/DrawingContext.h"

#include <cairo.h>

#include <algorithm>

namespace platform::graphics {

HtmlPageSlices::HtmlPageSlices(const std::vector<int>& tops, int pageHeight, double width, double sideBleed)
    : width_(width)
    , sideBleed_(sideBleed)
{
    for (std::size_t page = 0; page < tops.size(); ++page) {
        const double top = tops[page];
        const double bottom = page + 1 < tops.size() ? tops[page + 1] : top + pageHeight;
        slices_.push_back({top, bottom, {}});
    }
}

void HtmlPageSlices::draw(double top, double bottom, const Drawing& drawing)
{
    auto slice = std::upper_bound(slices_.begin(), slices_.end(), top, [](double y, const Slice& s) { return y < s.bottom; });
    for (; slice != slices_.end() && slice->top < bottom; ++slice)
        slice->drawings.push_back(drawing);
}

void HtmlPageSlices::pushClip(const Rect& rect, double cornerRadius)
{
    for (Slice& slice : slices_) {
        slice.drawings.push_back([rect, cornerRadius](cairo_t* cairo) {
            DrawingContext context(cairo);
            context.save();
            context.clip(rect, cornerRadius);
        });
    }
}

void HtmlPageSlices::popClip()
{
    for (Slice& slice : slices_)
        slice.drawings.push_back(cairo_restore);
}

void HtmlPageSlices::paintPage(std::size_t page, cairo_t* target) const
{
    const Slice& slice = slices_.at(page);
    cairo_save(target);
    cairo_rectangle(target, -sideBleed_, 0, width_ + 2 * sideBleed_, slice.bottom - slice.top);
    cairo_clip(target);
    cairo_translate(target, 0, -slice.top);
    for (const Drawing& drawing : slice.drawings)
        drawing(target);
    cairo_restore(target);
}

} // namespace platform::graphics

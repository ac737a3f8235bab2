#pragma once

#include "graphics/Geometry.h"

#include <functional>
#include <vector>

typedef struct _cairo cairo_t;

namespace platform::graphics {

// A laid-out HTML document's drawing cut into pages, in CSS pixels: litehtml walks the
// document once, each drawing is kept for every page it reaches, and each page is then
// drawn from its own list. (Walking the document once per page costs as many walks as
// there are pages.) A page shows its horizontal slice of the document, clipped to its
// top and bottom and to a side bleed left and right.
// Thread rule: used on one thread.
class HtmlPageSlices {
public:
    using Drawing = std::function<void(cairo_t*)>;

    // `tops`: where each page begins (HtmlPageBreaks); the last page is `pageHeight` high.
    HtmlPageSlices(const std::vector<int>& tops, int pageHeight, double width, double sideBleed);

    std::size_t pageCount() const { return slices_.size(); }

    // Keeps `drawing`, in document coordinates, for every page that the rows from `top`
    // to `bottom` reach.
    void draw(double top, double bottom, const Drawing& drawing);
    // A clip on every page, until the matching popClip().
    void pushClip(const Rect& rect, double cornerRadius);
    void popClip();

    // Draws the page's slice with its top left corner at the origin of `target`.
    void paintPage(std::size_t page, cairo_t* target) const;

private:
    struct Slice {
        double top;
        double bottom;
        std::vector<Drawing> drawings;
    };

    std::vector<Slice> slices_;
    double width_;
    double sideBleed_;
};

} // namespace platform::graphics

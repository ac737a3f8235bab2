#pragma once

#include "graphics/DrawingContext.h"
#include "graphics/Geometry.h"
#include "graphics/Image.h"

namespace platform::graphics {

// A bitmap to draw into: `size` in points at `scale` pixels per point. An opaque context
// starts white, a non-opaque one transparent. image() takes a copy of what was drawn.
class ImageContext {
public:
    ImageContext(const Size& size, double scale, bool opaque);
    ~ImageContext();
    ImageContext(const ImageContext&) = delete;
    ImageContext& operator=(const ImageContext&) = delete;

    DrawingContext& context() { return *context_; }
    const Size& size() const { return size_; }
    double scale() const { return scale_; }
    ImagePtr image() const;

private:
    Size size_;
    double scale_;
    cairo_surface_t* surface_;
    cairo_t* cairo_;
    std::unique_ptr<DrawingContext> context_;
};

} // namespace platform::graphics

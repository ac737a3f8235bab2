#include "graphics/ImageContext.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace platform::graphics {

namespace {

int pixels(double points, double scale)
{
    return std::max(static_cast<int>(std::ceil(points * scale - 1e-9)), 0);
}

} // namespace

ImageContext::ImageContext(const Size& size, double scale, bool opaque)
    : size_(size)
    , scale_(scale > 0 ? scale : 1.0)
    , surface_(cairo_image_surface_create(opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
                                          pixels(size.width, scale_), pixels(size.height, scale_)))
    , cairo_(cairo_create(surface_))
{
    if (opaque) {
        cairo_set_source_rgb(cairo_, 1, 1, 1);
        cairo_paint(cairo_);
    }
    cairo_scale(cairo_, scale_, scale_);
    context_ = std::make_unique<DrawingContext>(cairo_);
}

ImageContext::~ImageContext()
{
    context_.reset();
    cairo_destroy(cairo_);
    cairo_surface_destroy(surface_);
}

ImagePtr ImageContext::image() const
{
    cairo_surface_flush(surface_);
    const int width = cairo_image_surface_get_width(surface_);
    const int height = cairo_image_surface_get_height(surface_);
    cairo_surface_t* copy = cairo_image_surface_create(cairo_image_surface_get_format(surface_), width, height);
    cairo_t* cairo = cairo_create(copy);
    cairo_set_source_surface(cairo, surface_, 0, 0);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    auto image = std::make_shared<const Image>(copy, scale_);
    cairo_surface_destroy(copy);
    return image;
}

} // namespace platform::graphics

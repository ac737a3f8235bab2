#include "graphics/ImageScaler.h"

#include <cairo.h>

#include <cmath>

namespace platform::graphics {
namespace {

bool fitsInContext(double pixels)
{
    return pixels >= 1 && pixels <= 32767;
}

} // namespace

ImagePtr ImageScaler::redraw(const Image& image, Size size, double scale)
{
    if (size.isEmpty() || scale <= 0 || image.pixelWidth() <= 0 || image.pixelHeight() <= 0)
        return nullptr;
    const double pixelWidth = std::ceil(size.width * scale);
    const double pixelHeight = std::ceil(size.height * scale);
    if (!fitsInContext(pixelWidth) || !fitsInContext(pixelHeight))
        return nullptr;
    auto result = std::make_shared<Image>(static_cast<int>(pixelWidth), static_cast<int>(pixelHeight), scale);
    if (cairo_surface_status(result->surface()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    cairo_t* cr = cairo_create(result->surface());
    cairo_scale(cr, size.width * scale / image.pixelWidth(), size.height * scale / image.pixelHeight());
    cairo_set_source_surface(cr, image.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    const bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_flush(result->surface());
    return drawn ? result : nullptr;
}

} // namespace platform::graphics

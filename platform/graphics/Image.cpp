#include "graphics/Image.h"

#include <cairo.h>

#include <cmath>
#include <cstring>

namespace platform::graphics {

Image::Image(int pixelWidth, int pixelHeight, double scale)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(pixelWidth, 0), std::max(pixelHeight, 0)))
    , scale_(scale > 0 ? scale : 1.0)
{
}

Image::Image(cairo_surface_t* surface, double scale)
    : surface_(cairo_surface_reference(surface))
    , scale_(scale > 0 ? scale : 1.0)
{
}

Image::~Image()
{
    cairo_surface_destroy(surface_);
}

int Image::pixelWidth() const
{
    return cairo_image_surface_get_width(surface_);
}

int Image::pixelHeight() const
{
    return cairo_image_surface_get_height(surface_);
}

Size Image::size() const
{
    return {pixelWidth() / scale_, pixelHeight() / scale_};
}

std::uint32_t Image::pixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= pixelWidth() || y >= pixelHeight())
        return 0;
    cairo_surface_flush(surface_);
    const auto* row = cairo_image_surface_get_data(surface_) + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_);
    std::uint32_t argb;
    std::memcpy(&argb, row + 4 * x, 4);
    if (cairo_image_surface_get_format(surface_) == CAIRO_FORMAT_RGB24)
        return argb | 0xFF000000u;
    const std::uint32_t alpha = argb >> 24;
    if (alpha == 0)
        return 0;
    auto unpremultiply = [alpha](std::uint32_t channel) {
        return std::min<std::uint32_t>(255, static_cast<std::uint32_t>(std::lround(channel * 255.0 / alpha)));
    };
    return (alpha << 24) | (unpremultiply((argb >> 16) & 0xFF) << 16) | (unpremultiply((argb >> 8) & 0xFF) << 8)
        | unpremultiply(argb & 0xFF);
}

std::vector<std::uint8_t> Image::pngData() const
{
    std::vector<std::uint8_t> bytes;
    cairo_surface_write_to_png_stream(
        surface_,
        [](void* closure, const unsigned char* data, unsigned int length) {
            auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
            out->insert(out->end(), data, data + length);
            return CAIRO_STATUS_SUCCESS;
        },
        &bytes);
    return bytes;
}

bool Image::writePng(const std::filesystem::path& path) const
{
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace platform::graphics

#include "samples/SamplePhoto.h"

#include "graphics/ImageCodec.h"

#include <cairo.h>

#include <random>

namespace bench_samples {

platform::graphics::ImagePtr samplePhoto(int width, int height)
{
    auto image = std::make_shared<platform::graphics::Image>(width, height);
    cairo_t* cr = cairo_create(image->surface());
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, width, height);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.2, 0.4, 0.8);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.9, 0.7, 0.3);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    std::mt19937 random(7);
    for (int i = 0; i < 400; ++i) {
        cairo_set_source_rgba(cr, random() % 256 / 255.0, random() % 256 / 255.0, random() % 256 / 255.0, 0.6);
        cairo_arc(cr, random() % width, random() % height, 20 + random() % 200, 0, 6.3);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    cairo_surface_flush(image->surface());
    auto* pixels = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image->surface()));
    for (int i = 0; i < width * height; ++i)
        pixels[i] ^= random() & 0x00070707;
    cairo_surface_mark_dirty(image->surface());
    return image;
}

const std::vector<std::uint8_t>& samplePhotoJpeg()
{
    static const auto bytes = platform::graphics::ImageCodec::encodeJpeg(*samplePhoto(4000, 3000), 0.9);
    return bytes;
}

} // namespace bench_samples

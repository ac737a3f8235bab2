#include "samples/SamplePhoto.h"

#include "graphics/Image.h"
#include "graphics/ImageCodec.h"

#include <cairo.h>

#include <random>

namespace bench_samples {

const std::vector<std::uint8_t>& samplePhotoJpeg()
{
    static const auto bytes = [] {
        platform::graphics::Image image(4000, 3000);
        cairo_t* cr = cairo_create(image.surface());
        cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 4000, 3000);
        cairo_pattern_add_color_stop_rgb(sky, 0, 0.2, 0.4, 0.8);
        cairo_pattern_add_color_stop_rgb(sky, 1, 0.9, 0.7, 0.3);
        cairo_set_source(cr, sky);
        cairo_paint(cr);
        cairo_pattern_destroy(sky);
        std::mt19937 random(7);
        for (int i = 0; i < 400; ++i) {
            cairo_set_source_rgba(cr, random() % 256 / 255.0, random() % 256 / 255.0, random() % 256 / 255.0, 0.6);
            cairo_arc(cr, random() % 4000, random() % 3000, 20 + random() % 200, 0, 6.3);
            cairo_fill(cr);
        }
        cairo_destroy(cr);
        cairo_surface_flush(image.surface());
        auto* pixels = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image.surface()));
        for (int i = 0; i < 4000 * 3000; ++i)
            pixels[i] ^= random() & 0x00070707;
        cairo_surface_mark_dirty(image.surface());
        return platform::graphics::ImageCodec::encodeJpeg(image, 0.9);
    }();
    return bytes;
}

} // namespace bench_samples

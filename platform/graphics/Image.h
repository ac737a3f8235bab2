#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace platform::graphics {

// A bitmap image: pixels in cairo's ARGB32 (premultiplied, native-endian 32-bit) form,
// with a scale that maps pixels to points. Images are immutable values shared by pointer.
class Image {
public:
    // A blank (transparent) image of `pixelWidth` x `pixelHeight` pixels.
    Image(int pixelWidth, int pixelHeight, double scale = 1.0);
    // Takes a reference to an image surface of cairo's ARGB32 or RGB24 format.
    Image(cairo_surface_t* surface, double scale);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int pixelWidth() const;
    int pixelHeight() const;
    double scale() const { return scale_; }
    // Size in points: pixels divided by the scale.
    Size size() const;

    // ARGB of one pixel, un-premultiplied, as 0xAARRGGBB.
    std::uint32_t pixelAt(int x, int y) const;

    std::vector<std::uint8_t> pngData() const;
    bool writePng(const std::filesystem::path& path) const;

    cairo_surface_t* surface() const { return surface_; }

private:
    cairo_surface_t* surface_;
    double scale_;
};

using ImagePtr = std::shared_ptr<const Image>;

} // namespace platform::graphics

#pragma once

#include "graphics/Image.h"

#include <cstdint>
#include <span>
#include <vector>

namespace platform::graphics {

// Turns image files into bitmaps and bitmaps into JPEG files.
//
// Decoding accepts PNG, JPEG, GIF, TIFF, BMP and WebP (when the system's decoder offers
// it), recognised by their signature; anything else, truncated data and pictures of
// more than maxDecodedPixels are refused with nullptr, so "this is an image" means
// exactly "decode() answers an image". A decoded image has scale 1: one pixel, one point.
class ImageCodec {
public:
    static constexpr std::int64_t maxDecodedPixels = 100'000'000;

    static ImagePtr decode(std::span<const std::uint8_t> bytes);

    // JPEG at a compression quality from 0 (smallest) to 1 (best); transparent pixels
    // are flattened onto white. Empty when the image cannot be encoded.
    static std::vector<std::uint8_t> encodeJpeg(const Image& image, double quality);
};

} // namespace platform::graphics

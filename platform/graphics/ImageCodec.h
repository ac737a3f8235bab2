#pragma once

#include "graphics/Image.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform::graphics {

// Turns image files into bitmaps and bitmaps into JPEG files.
//
// Decoding accepts PNG, JPEG, GIF, TIFF, BMP, WebP (a still picture or the first frame of
// an animation) and HEIF/HEIC (the primary image), recognised by their signature, and
// turns camera photos upright as their EXIF or HEIF orientation says. Anything else,
// truncated data, headers that contradict the data and pictures of more than
// maxDecodedPixels are refused with nullptr before a loader runs where the header
// tells, so "this is an image" means exactly "decode() answers an image". A decoded
// image has scale 1: one pixel, one point.
class ImageCodec {
public:
    static constexpr std::int64_t maxDecodedPixels = 100'000'000;

    static ImagePtr decode(std::span<const std::uint8_t> bytes);
    // The same; when no image comes out, `error` says why in a sentence.
    static ImagePtr decode(std::span<const std::uint8_t> bytes, std::string& error);

    // JPEG at a compression quality from 0 (smallest) to 1 (best); transparent pixels
    // are flattened onto white. Empty when the image cannot be encoded.
    static std::vector<std::uint8_t> encodeJpeg(const Image& image, double quality);
};

} // namespace platform::graphics

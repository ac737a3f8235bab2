#pragma once

#include "graphics/Image.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform::graphics {

// Turns image files into bitmaps and bitmaps into JPEG files.
//
// Decoding accepts PNG, JPEG (Huffman-coded, as cameras write it), GIF, TIFF, BMP, WebP
// (a still picture or the first frame of an animation) and HEIF/HEIC (the primary
// image), recognised by their signature, and turns camera photos upright as their EXIF or HEIF orientation says. Anything else,
// truncated data, headers that contradict the data and pictures whose decoding would
// hold more than maxDecodedPixels are refused with nullptr, before a loader runs where
// the header tells (canvas x frames, and the working canvases of a WebP animation), so
// "this is an image" means exactly "decode() answers an image". A decoded image has
// scale 1: one pixel, one point. Stateless; any thread.
class ImageCodec {
public:
    // What a phone can hold beside the app: 200 MB of bitmap at 4 bytes a pixel, enough
    // for the largest camera photos (48 megapixels, 8064 x 6048) at full size.
    static constexpr std::int64_t maxDecodedPixels = 50'000'000;

    // Why no image came out of decode().
    struct Failure {
        // In a sentence.
        std::string description;
        // The picture reads, but holding it decoded would take more than maxDecodedPixels.
        bool tooLarge = false;
    };

    static ImagePtr decode(std::span<const std::uint8_t> bytes);
    // The same; when no image comes out, `error` says why in a sentence.
    static ImagePtr decode(std::span<const std::uint8_t> bytes, std::string& error);
    // For a caller that needs no more than `longerSide` pixels on the picture's longer
    // side: JPEG decodes at 1/2, 1/4 or 1/8 of its size while that keeps at least
    // `longerSide` (and is measured against the budget at that size); other formats
    // decode whole. 0 decodes whole.
    static ImagePtr decode(std::span<const std::uint8_t> bytes, double longerSide, std::string& error);
    // The same, telling a picture too large to hold from one that does not read.
    static ImagePtr decode(std::span<const std::uint8_t> bytes, double longerSide, Failure& failure);

    // JPEG at a compression quality from 0 (smallest) to 1 (best); transparent pixels
    // are flattened onto white. Empty when the image cannot be encoded.
    static std::vector<std::uint8_t> encodeJpeg(const Image& image, double quality);
};

} // namespace platform::graphics

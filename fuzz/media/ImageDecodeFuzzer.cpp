#include "graphics/ImageCodec.h"
#include "graphics/ImageScaler.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Any bytes: decoding answers an image or nullptr; a decoded image survives a redraw
// and an encode. The last two bytes, big-endian, also name the longer side the caller
// needs (0 decodes whole): they stay part of the file, where decoders mostly ignore
// what follows the picture, so a seed is any image file as it is.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platform::graphics;
    const double longerSide = size >= 2 ? data[size - 2] << 8 | data[size - 1] : 0;
    std::string error;
    const ImagePtr image = ImageCodec::decode({data, size}, longerSide, error);
    if (!image)
        return 0;
    if (const ImagePtr small = ImageScaler::redraw(*image, {16, 12}))
        ImageCodec::encodeJpeg(*small, 0.75);
    return 0;
}

#include "graphics/ImageCodec.h"
#include "graphics/ImageScaler.h"

#include <cstddef>
#include <cstdint>

// Any bytes: decoding answers an image or nullptr; a decoded image survives a redraw
// and an encode.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platform::graphics;
    const ImagePtr image = ImageCodec::decode({data, size});
    if (!image)
        return 0;
    if (const ImagePtr small = ImageScaler::redraw(*image, {16, 12}))
        ImageCodec::encodeJpeg(*small, 0.75);
    return 0;
}

#include "composer/DroppedImageRedraw.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any dropped bytes: nothing, or a JPEG whose longer side is exactly 1024 points and
// whose shorter side is above zero, however narrow the picture.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto redrawn = DroppedImageRedraw::redraw(DroppedImageRedraw::Bytes(data, data + size));
    if (!redrawn) {
        return 0;
    }
    const auto& drawn = redrawn->size;
    if (redrawn->jpeg.empty() || std::max(drawn.width, drawn.height) != DroppedImageRedraw::kLongerSide ||
        std::min(drawn.width, drawn.height) <= 0) {
        std::abort();
    }
    return 0;
}

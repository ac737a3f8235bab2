#pragma once

#include "graphics/ByteView.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace platform::graphics {

// A marker segment of a JPEG file's header: the marker (0xFFE1 for EXIF, 0xFFC0 for a
// baseline frame ...) and the bytes its length covers.
struct JpegSegment {
    std::uint64_t marker = 0;
    ByteView body;

    // The first segment up to the start of scan (0xFFDA, which heads the picture data)
    // that `wanted` accepts, the segments found as libjpeg finds them; nothing when the
    // header ends or breaks off before one is found.
    static std::optional<JpegSegment> find(ByteView jpeg, const std::function<bool(const JpegSegment&)>& wanted);
};

} // namespace platform::graphics

#include "graphics/JpegSegment.h"

namespace platform::graphics {

std::optional<JpegSegment> JpegSegment::find(ByteView jpeg, const std::function<bool(const JpegSegment&)>& wanted)
{
    constexpr std::uint64_t startOfScan = 0xFFDA;
    // Segments follow the start-of-image marker, each a marker and a length that counts
    // itself; the picture data begins at the start of scan.
    std::uint64_t offset = 2;
    while (jpeg.has(offset, 4) && jpeg.bigEndian(offset, 1) == 0xFF) {
        const std::uint64_t marker = jpeg.bigEndian(offset, 2);
        const std::uint64_t length = jpeg.bigEndian(offset + 2, 2);
        if (marker == startOfScan || length < 2)
            return std::nullopt;
        const JpegSegment segment{marker, jpeg.window(offset + 4, length - 2)};
        if (wanted(segment))
            return segment;
        offset += 2 + length;
    }
    return std::nullopt;
}

} // namespace platform::graphics

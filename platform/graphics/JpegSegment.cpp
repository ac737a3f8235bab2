#include "graphics/JpegSegment.h"

#include <algorithm>

namespace platform::graphics {
namespace {

// Where the next marker's FF byte is, read as libjpeg reads between segments: bytes
// before an FF, fill bytes (FF FF) and stuffed zeros (FF 00) are skipped.
std::optional<std::uint64_t> nextMarker(ByteView jpeg, std::uint64_t offset)
{
    while (jpeg.has(offset, 2)) {
        const std::uint64_t code = jpeg.bigEndian(offset + 1, 1);
        if (jpeg.bigEndian(offset, 1) != 0xFF || code == 0xFF)
            ++offset;
        else if (code == 0x00)
            offset += 2;
        else
            return offset;
    }
    return std::nullopt;
}

// TEM and the restart markers have no length; decoders step over them.
bool standsAlone(std::uint64_t code)
{
    return code == 0x01 || (code >= 0xD0 && code <= 0xD7);
}

} // namespace

std::optional<JpegSegment> JpegSegment::find(ByteView jpeg, const std::function<bool(const JpegSegment&)>& wanted)
{
    constexpr std::uint64_t startOfImage = 0xD8;
    constexpr std::uint64_t endOfImage = 0xD9;
    constexpr std::uint64_t startOfScan = 0xFFDA;
    // Segments follow the start-of-image marker, each a marker and a length that counts
    // itself (a shorter length skips nothing); the picture data begins after the start
    // of scan.
    for (std::uint64_t offset = 2;;) {
        const auto at = nextMarker(jpeg, offset);
        if (!at)
            return std::nullopt;
        const std::uint64_t code = jpeg.bigEndian(*at + 1, 1);
        if (standsAlone(code)) {
            offset = *at + 2;
            continue;
        }
        if (code == startOfImage || code == endOfImage || !jpeg.has(*at + 2, 2))
            return std::nullopt;
        const std::uint64_t length = std::max<std::uint64_t>(jpeg.bigEndian(*at + 2, 2), 2);
        const JpegSegment segment{0xFF00 | code, jpeg.window(*at + 4, length - 2)};
        if (wanted(segment))
            return segment;
        if (segment.marker == startOfScan)
            return std::nullopt;
        offset = *at + 2 + length;
    }
}

} // namespace platform::graphics

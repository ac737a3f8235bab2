#include "graphics/ExifOrientation.h"

namespace platform::graphics {

int ExifOrientation::read(ByteView exif)
{
    constexpr std::uint64_t orientationTag = 0x0112;
    constexpr std::uint64_t shortType = 3;
    constexpr std::uint64_t entrySize = 12;
    const bool littleEndian = exif.matches(0, std::string_view("II*\0", 4));
    if (!littleEndian && !exif.matches(0, std::string_view("MM\0*", 4)))
        return 0;
    auto number = [&](std::uint64_t offset, std::uint64_t count) {
        return littleEndian ? exif.littleEndian(offset, count) : exif.bigEndian(offset, count);
    };
    const std::uint64_t directory = number(4, 4);
    const std::uint64_t entries = number(directory, 2);
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint64_t entry = directory + 2 + entrySize * i;
        if (!exif.has(entry, entrySize))
            return 0;
        if (number(entry, 2) != orientationTag)
            continue;
        const std::uint64_t value = number(entry + 8, 2);
        return number(entry + 2, 2) == shortType && value >= 1 && value <= 8 ? static_cast<int>(value) : 0;
    }
    return 0;
}

int ExifOrientation::ofJpeg(ByteView jpeg)
{
    constexpr std::uint64_t exifSegment = 0xFFE1;
    constexpr std::uint64_t startOfScan = 0xFFDA;
    const std::string_view exifHeader("Exif\0\0", 6);
    // Segments follow the start-of-image marker, each a marker and a length that counts
    // itself; the picture data begins at the start of scan.
    std::uint64_t offset = 2;
    while (jpeg.has(offset, 4) && jpeg.bigEndian(offset, 1) == 0xFF) {
        const std::uint64_t marker = jpeg.bigEndian(offset, 2);
        const std::uint64_t length = jpeg.bigEndian(offset + 2, 2);
        if (marker == startOfScan || length < 2)
            return 0;
        const ByteView body = jpeg.window(offset + 4, length - 2);
        if (marker == exifSegment && body.matches(0, exifHeader))
            return read(body.window(exifHeader.size()));
        offset += 2 + length;
    }
    return 0;
}

} // namespace platform::graphics

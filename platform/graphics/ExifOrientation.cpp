#include "graphics/ExifOrientation.h"

#include "graphics/JpegSegment.h"

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
    const std::string_view exifHeader("Exif\0\0", 6);
    const auto exif = JpegSegment::find(jpeg, [&exifHeader](const JpegSegment& segment) {
        return segment.marker == exifSegment && segment.body.matches(0, exifHeader);
    });
    return exif ? read(exif->body.window(exifHeader.size())) : 0;
}

} // namespace platform::graphics

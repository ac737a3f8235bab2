#include "graphics/ImageHeader.h"

#include "graphics/ByteView.h"
#include "graphics/HeifHeader.h"
#include "graphics/JpegSegment.h"
#include "graphics/WebpHeader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace platform::graphics {
namespace {

double signed32(const ByteView& bytes, std::uint64_t offset)
{
    return std::abs(static_cast<double>(static_cast<std::int32_t>(bytes.littleEndian(offset, 4))));
}

// The system's BMP loader sizes its buffers from the header before checking it; a
// header that points past the data or names no known layout is refused here first.
bool hasSaneBitmapHeader(const ByteView& bytes)
{
    constexpr std::array<std::uint64_t, 7> infoHeaderSizes = {12, 40, 52, 56, 64, 108, 124};
    if (bytes.size() < 34)
        return false;
    const std::uint64_t pixelOffset = bytes.littleEndian(10, 4);
    const std::uint64_t infoSize = bytes.littleEndian(14, 4);
    if (pixelOffset > bytes.size() || pixelOffset < 14 + infoSize
        || std::find(infoHeaderSizes.begin(), infoHeaderSizes.end(), infoSize) == infoHeaderSizes.end())
        return false;
    if (infoSize == 12)
        return true;
    constexpr std::array<std::uint64_t, 6> bitCounts = {1, 4, 8, 16, 24, 32};
    const std::uint64_t planes = bytes.littleEndian(26, 2);
    const std::uint64_t bitCount = bytes.littleEndian(28, 2);
    const std::uint64_t compression = bytes.littleEndian(30, 4);
    if (planes != 1 || std::find(bitCounts.begin(), bitCounts.end(), bitCount) == bitCounts.end() || compression > 3)
        return false;
    // The palette lies between the header and the pixels; a colour count that cannot fit
    // there would make the loader allocate gigabytes for it.
    const std::uint64_t coloursUsed = bytes.littleEndian(46, 4);
    if (14 + infoSize + 4 * coloursUsed > pixelOffset)
        return false;
    const double width = signed32(bytes, 18);
    const double height = signed32(bytes, 22);
    const bool runLengthEncoded = compression == 1 || compression == 2;
    if (runLengthEncoded)
        return width <= 32767 && height <= 32767;
    const double rowBytes = std::ceil(width * static_cast<double>(bitCount) / 32) * 4;
    return rowBytes * height <= static_cast<double>(bytes.size() - pixelOffset);
}

ImageHeader bitmapHeader(const ByteView& bytes)
{
    if (!hasSaneBitmapHeader(bytes))
        return {"bmp", false};
    const bool coreHeader = bytes.littleEndian(14, 4) == 12;
    const double pixels = coreHeader
        ? static_cast<double>(bytes.littleEndian(18, 2)) * static_cast<double>(bytes.littleEndian(20, 2))
        : signed32(bytes, 18) * signed32(bytes, 22);
    return {"bmp", true, pixels};
}

ImageHeader webpHeader(const ByteView& bytes)
{
    const auto header = WebpHeader::read(bytes);
    if (!header)
        return {"webp", false};
    // libwebp's animation decoder keeps two canvases of its own besides the frames.
    const double canvases = header->frames + (header->animated ? 2 : 0);
    return {"webp", true, header->width * header->height * canvases, header->orientation, 0, 0, header->animated};
}

bool isFrame(std::uint64_t marker)
{
    // Markers C4, C8 and CC share the frames' range but are tables.
    return marker >= 0xFFC0 && marker <= 0xFFCF && marker != 0xFFC4 && marker != 0xFFC8 && marker != 0xFFCC;
}

// The frame header names the picture's size; without one libjpeg decodes nothing, and
// without it the cost could not be told before the decoder allocates. Arithmetic coding
// (frames C9 to CF), which hardly any camera or program writes, is not read: the
// system's loader never returns from some such files that end early. libjpeg decodes a
// smaller picture for little more than its cost only when the data comes in one scan
// of every component of a sequential frame (C0, C1); for several scans it keeps the
// coefficients of the whole picture, whatever the scale.
ImageHeader jpegHeader(const ByteView& bytes)
{
    std::optional<JpegSegment> frame;
    const auto scan = JpegSegment::find(bytes, [&frame](const JpegSegment& segment) {
        if (!frame && isFrame(segment.marker))
            frame = segment;
        return segment.marker == 0xFFDA;
    });
    if (!frame || !frame->body.has(0, 6))
        return {"jpeg", false};
    const auto height = static_cast<double>(frame->body.bigEndian(1, 2));
    const auto width = static_cast<double>(frame->body.bigEndian(3, 2));
    const std::uint64_t marker = frame->marker;
    if (marker >= 0xFFC9)
        return {};
    const bool sequential = marker == 0xFFC0 || marker == 0xFFC1;
    const bool oneScan = sequential && scan && scan->body.has(0, 1) && scan->body.bigEndian(0, 1) == frame->body.bigEndian(5, 1);
    if (!oneScan)
        return {"jpeg", true, width * height};
    return {"jpeg", true, width * height, 0, width, height};
}

ImageHeader heifHeader(const ByteView& bytes)
{
    const auto header = HeifHeader::read(bytes);
    // The loader turns the picture as the file's own rotation and mirroring say.
    return header ? ImageHeader{"heif/avif", true, header->largestPixels} : ImageHeader{"heif/avif", false};
}

} // namespace

ImageHeader ImageHeader::read(std::span<const std::uint8_t> data)
{
    const ByteView bytes(data);
    if (bytes.matches(0, "\x89PNG\r\n\x1a\n"))
        return {"png", true, static_cast<double>(bytes.bigEndian(16, 4)) * static_cast<double>(bytes.bigEndian(20, 4))};
    if (bytes.matches(0, "\xff\xd8\xff"))
        return jpegHeader(bytes);
    if (bytes.matches(0, "GIF87a") || bytes.matches(0, "GIF89a"))
        return {"gif", true, static_cast<double>(bytes.littleEndian(6, 2)) * static_cast<double>(bytes.littleEndian(8, 2))};
    if (bytes.matches(0, std::string_view("II*\0", 4)) || bytes.matches(0, std::string_view("MM\0*", 4)))
        return {"tiff", true};
    if (bytes.matches(0, "BM"))
        return bitmapHeader(bytes);
    if (WebpHeader::hasSignature(bytes))
        return webpHeader(bytes);
    if (HeifHeader::hasSignature(bytes))
        return heifHeader(bytes);
    return {};
}

} // namespace platform::graphics

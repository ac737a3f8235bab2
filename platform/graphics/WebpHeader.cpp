#include "graphics/WebpHeader.h"

#include "graphics/ExifOrientation.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace platform::graphics {
namespace {

struct Chunk {
    std::string_view type;
    ByteView body;
};

struct Dimensions {
    double width = 0;
    double height = 0;
    bool operator==(const Dimensions&) const = default;
};

// The chunks between the file header and the end the RIFF size names; nothing when
// one of them runs past that end.
std::optional<std::vector<Chunk>> chunksIn(ByteView riff)
{
    std::vector<Chunk> chunks;
    std::uint64_t offset = 12;
    while (offset < riff.size()) {
        const std::uint64_t size = riff.littleEndian(offset + 4, 4);
        if (!riff.has(offset + 8, size))
            return std::nullopt;
        chunks.push_back({riff.text(offset, 4), riff.window(offset + 8, size)});
        offset += 8 + size + (size & 1);
    }
    return chunks;
}

// A lossy key frame: its tag, start code and a first partition that fits the chunk.
std::optional<Dimensions> lossySize(ByteView frame)
{
    const std::uint64_t tag = frame.littleEndian(0, 3);
    const bool keyFrame = (tag & 1) == 0;
    const std::uint64_t firstPartition = tag >> 5;
    if (!keyFrame || !frame.matches(3, "\x9d\x01\x2a") || !frame.has(10, firstPartition))
        return std::nullopt;
    const Dimensions size{static_cast<double>(frame.littleEndian(6, 2) & 0x3FFF),
        static_cast<double>(frame.littleEndian(8, 2) & 0x3FFF)};
    return size.width > 0 && size.height > 0 ? std::optional(size) : std::nullopt;
}

std::optional<Dimensions> losslessSize(ByteView frame)
{
    const std::uint64_t bits = frame.littleEndian(1, 4);
    const bool versionZero = bits >> 29 == 0;
    if (!frame.has(0, 5) || frame.bigEndian(0, 1) != 0x2F || !versionZero)
        return std::nullopt;
    return Dimensions{static_cast<double>((bits & 0x3FFF) + 1), static_cast<double>((bits >> 14 & 0x3FFF) + 1)};
}

std::optional<Dimensions> bitstreamSize(const Chunk& chunk)
{
    if (chunk.type == "VP8 ")
        return lossySize(chunk.body);
    if (chunk.type == "VP8L")
        return losslessSize(chunk.body);
    return std::nullopt;
}

int orientationIn(const std::vector<Chunk>& chunks)
{
    for (const Chunk& chunk : chunks) {
        if (chunk.type != "EXIF")
            continue;
        // Some writers keep the JPEG segment's "Exif\0\0" prefix in the chunk.
        const std::string_view prefix("Exif\0\0", 6);
        return ExifOrientation::read(chunk.body.matches(0, prefix) ? chunk.body.window(prefix.size()) : chunk.body);
    }
    return 0;
}

// An extended file: the canvas in VP8X, and for a still picture a bitstream of the
// canvas's size (an animation's frames are placed by the decoder, which checks them).
std::optional<WebpHeader> extendedHeader(const std::vector<Chunk>& chunks)
{
    const ByteView flags = chunks.front().body;
    if (!flags.has(0, 10))
        return std::nullopt;
    constexpr std::uint64_t animationFlag = 0x02;
    const Dimensions canvas{static_cast<double>(flags.littleEndian(4, 3) + 1), static_cast<double>(flags.littleEndian(7, 3) + 1)};
    const int orientation = orientationIn(chunks);
    if (flags.bigEndian(0, 1) & animationFlag) {
        const auto frames = std::count_if(chunks.begin(), chunks.end(), [](const Chunk& chunk) { return chunk.type == "ANMF"; });
        return frames > 0 ? std::optional(WebpHeader{canvas.width, canvas.height, static_cast<double>(frames), true, orientation})
                          : std::nullopt;
    }
    std::optional<Dimensions> still;
    for (auto chunk = chunks.begin() + 1; chunk != chunks.end() && !still; ++chunk)
        still = bitstreamSize(*chunk);
    return still == canvas ? std::optional(WebpHeader{canvas.width, canvas.height, 1, false, orientation}) : std::nullopt;
}

} // namespace

bool WebpHeader::hasSignature(ByteView bytes)
{
    return bytes.matches(0, "RIFF") && bytes.matches(8, "WEBP");
}

std::optional<WebpHeader> WebpHeader::read(ByteView bytes)
{
    const std::uint64_t riffSize = bytes.littleEndian(4, 4);
    if (!hasSignature(bytes) || !bytes.has(8, riffSize))
        return std::nullopt;
    const auto chunks = chunksIn(bytes.window(0, 8 + riffSize));
    if (!chunks || chunks->empty())
        return std::nullopt;
    if (chunks->front().type == "VP8X")
        return extendedHeader(*chunks);
    const auto size = bitstreamSize(chunks->front());
    return size ? std::optional(WebpHeader{size->width, size->height, 1, false, 0}) : std::nullopt;
}

} // namespace platform::graphics

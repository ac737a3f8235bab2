#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Writes a HEIC photo as phone cameras do: a grid image of equal tiles, each tile an
// image of its own, cropped to the photo's size. The tiles come as one-image HEIC files
// (ImageMagick writes those; nothing here writes a grid).
class TiledHeicWriter {
public:
    using Bytes = std::vector<std::uint8_t>;

    // Tiles in rows, left to right and top to bottom, all `tileWidth` x `tileHeight`.
    // Nothing when a tile is no one-image HEIC.
    static std::optional<Bytes> write(const std::vector<Bytes>& tiles, int columns, int tileWidth, int tileHeight,
        int width, int height);
};

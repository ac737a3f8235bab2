#pragma once

#include "graphics/ByteView.h"

#include <optional>

namespace platform::graphics {

// What the boxes of a HEIF file (HEIC photos among them) declare, read without
// decoding. The system's HEIF loader decodes the whole picture before it tells its size,
// so sizes are taken from the container first.
class HeifHeader {
public:
    // An "ftyp" box naming a HEIF brand (AVIF and video files are not HEIF photos).
    static bool hasSignature(ByteView bytes);
    // Nothing when a box runs past the end of the data or of the box holding it (a cut
    // file), when a table of items is missing or doubled, when the primary image
    // declares no size, or when it is no HEVC picture nor made of HEVC pictures (a grid
    // of tiles, an overlay) with their description.
    static std::optional<HeifHeader> read(ByteView bytes);

    // The largest picture any image of the file declares (tiles, thumbnails and alpha
    // planes are decoded alongside the primary image or may be), a grid's or overlay's
    // own output size included.
    double largestPixels = 0;
};

} // namespace platform::graphics

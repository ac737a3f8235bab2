#pragma once

#include "graphics/ByteView.h"

#include <optional>

namespace platform::graphics {

// What the RIFF container of a WebP file declares, read without decoding: the canvas
// size, the number of frames and the EXIF orientation, which the system's WebP loader
// leaves to its caller.
class WebpHeader {
public:
    static bool hasSignature(ByteView bytes);
    // Nothing when the container is cut short (the RIFF size or a chunk runs past the
    // data), when its first chunk is no known image chunk, or when a still picture's
    // bitstream is not the size its canvas declares, or an animation has no frame.
    static std::optional<WebpHeader> read(ByteView bytes);

    double width = 0;
    double height = 0;
    // Each frame is the size of the canvas. Only the first is decoded, but the pixel budget
    // counts them all, so a file of many large frames is refused before any decoding.
    double frames = 1;
    bool animated = false;
    // EXIF orientation 1 to 8, 0 when the file has none.
    int orientation = 0;
};

} // namespace platform::graphics

#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <optional>
#include <vector>

// Makes a dropped picture ready to become a document: redrawn so that its longer side
// is exactly 1024 points (smaller pictures are scaled up), the aspect ratio kept, and
// encoded as JPEG at quality 0.75. Stateless.
class DroppedImageRedraw {
public:
    using Bytes = std::vector<std::uint8_t>;

    struct Result {
        Bytes jpeg;
        // The redrawn size in points, fractions kept (3000 x 2000 gives 1024 x 682.67).
        platform::graphics::Size size;
    };

    // Why a picture gave nothing.
    enum class Failure { unreadable, tooLarge };

    static constexpr double kLongerSide = 1024;
    static constexpr double kJpegQuality = 0.75;

    // Empty for an empty size.
    static platform::graphics::Size redrawnSize(const platform::graphics::Size& size);
    // Nothing when the bytes are no image the platform decodes, or when the picture cannot
    // be redrawn or encoded.
    static std::optional<Result> redraw(const Bytes& bytes);
    // The same, telling a picture too large to decode (ImageCodec::maxDecodedPixels) from
    // the rest.
    static std::optional<Result> redraw(const Bytes& bytes, Failure& failure);
};

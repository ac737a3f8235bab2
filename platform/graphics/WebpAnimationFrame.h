#pragma once

#include <cstdint>
#include <span>
#include <string>

typedef struct _GdkPixbuf GdkPixbuf;

namespace platform::graphics {

// The first frame of a WebP animation, composed on its canvas, decoded with libwebp
// itself: the system's loader decodes every frame, and a frame that does not decode
// makes it fail without freeing the canvases it made (tens of megabytes a file).
// Stateless; any thread.
class WebpAnimationFrame {
public:
    // A new pixbuf (the caller owns the reference) of the canvas's size, with alpha;
    // null, with the reason in `error`, when the animation does not decode.
    static GdkPixbuf* first(std::span<const std::uint8_t> bytes, std::string& error);
};

} // namespace platform::graphics

#pragma once

#include "graphics/Image.h"

namespace platform::graphics {

// Redraws a bitmap into a new, transparent bitmap context of another size, with smooth
// (filtered) scaling, the way an image is drawn into a rectangle of that size.
class ImageScaler {
public:
    // The context has ceil(size x scale) pixels on each side; nullptr for an empty size
    // or one too large to allocate.
    static ImagePtr redraw(const Image& image, Size size, double scale = 1.0);
};

} // namespace platform::graphics

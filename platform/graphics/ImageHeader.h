#pragma once

#include <cstdint>
#include <span>

namespace platform::graphics {

// What an image file's first bytes say before any of the system's loaders sees them:
// which loader may read the file (chosen by signature, so that no other loader of the
// system, vector formats or icons, ever sees outside data), whether the header is whole
// and consistent, how many pixels it declares and how the picture must be turned when
// its loader does not say so itself. Some system loaders allocate the picture as the
// header declares it, or decode it whole, before they ask whether that size is wanted.
class ImageHeader {
public:
    static ImageHeader read(std::span<const std::uint8_t> bytes);

    // gdk-pixbuf's name of the loader; null for data of no format read here.
    const char* loaderType = nullptr;
    // False when the header is cut short or contradicts itself or the data.
    bool intact = false;
    // The pixels the loader will hold while it decodes at full size (every frame of a
    // WebP animation and its decoder's canvases); 0 when the header does not tell it
    // readily.
    double declaredPixels = 0;
    // EXIF orientation 1 to 8 for the loader's picture, 0 when the loader knows it.
    int orientation = 0;
    // The picture's size in pixels where its loader can decode it smaller for no more
    // than the smaller picture's memory (a JPEG of one scan); 0 x 0 otherwise, and then
    // declaredPixels holds at any scale.
    double width = 0;
    double height = 0;
    // A WebP animation, whose first frame is decoded without the system's loader.
    bool animation = false;
};

} // namespace platform::graphics

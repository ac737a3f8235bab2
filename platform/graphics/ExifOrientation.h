#pragma once

#include "graphics/ByteView.h"

namespace platform::graphics {

// The orientation tag of an EXIF block (a TIFF header and its first directory): how a
// camera says its picture must be turned to be upright, 1 to 8 as in EXIF.
class ExifOrientation {
public:
    // 0 when the block is no TIFF structure or names no valid orientation.
    static int read(ByteView exif);
    // The orientation in a JPEG file's EXIF segment; 0 when it has none.
    static int ofJpeg(ByteView jpeg);
};

} // namespace platform::graphics

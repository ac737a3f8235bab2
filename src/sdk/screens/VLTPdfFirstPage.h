#pragma once

#include "graphics/Image.h"

#include <string>

// The first page of a PDF file drawn to a bitmap for previews.
class VLTPdfFirstPage {
public:
    // Width in pixels the page is drawn at: sharp on a screen without huge bitmaps.
    static constexpr double renderedWidth = 1024;

    // Null when the file is missing, is not a readable PDF or has no page.
    static platform::graphics::ImagePtr render(const std::string& path);
};

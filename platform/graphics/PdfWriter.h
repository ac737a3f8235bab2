#pragma once

#include "graphics/Image.h"

#include <cstdint>
#include <optional>
#include <vector>

typedef struct _cairo cairo_t;

namespace platform::graphics {

// Builds a PDF in memory, page by page. Coordinates are points from the top left corner
// of the current page. Nothing is written anywhere until the caller stores finish()'s
// bytes, so a failed conversion never leaves a partial file.
class PdfWriter {
public:
    PdfWriter();
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // PDF viewers accept pages of at most 200 inches on each side.
    static constexpr double maxPageSide = 14400;

    // Ends the current page, if any, and starts one of the given size. A page size that
    // is empty or larger than maxPageSide makes finish() fail.
    void beginPage(Size size);
    int pageCount() const { return pageCount_; }
    Size pageSize() const { return pageSize_; }

    // The drawing context of the current page (cairo, pango through pangocairo).
    cairo_t* context() const { return context_; }
    // Draws the image scaled to fill the rectangle.
    void drawImage(const Image& image, const Rect& rect);

    // The finished document; nullopt when no page was begun or drawing failed.
    std::optional<std::vector<std::uint8_t>> finish();

private:
    std::vector<std::uint8_t> bytes_;
    cairo_surface_t* surface_;
    cairo_t* context_;
    Size pageSize_;
    int pageCount_ = 0;
    bool failed_ = false;
};

} // namespace platform::graphics

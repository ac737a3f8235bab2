#pragma once

#include "graphics/Geometry.h"
#include "graphics/PdfWriter.h"
#include "graphics/TextBlock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

typedef struct _PangoLayout PangoLayout;

namespace platform::graphics {

// Lays text blocks out with pango and flows them over as many PDF pages of one size as
// they need, line by line, within fixed margins. Blocks are drawn as they are added,
// preformatted lines several to a layout, and a long block is laid out a window at a
// time, so memory does not grow with the length of a line or of the text. A document
// without blocks still gets one (blank) page. One thread at a time.
class PaginatedTextRenderer {
public:
    static constexpr double margin = 50;

    explicit PaginatedTextRenderer(Size pageSize);
    ~PaginatedTextRenderer();
    PaginatedTextRenderer(const PaginatedTextRenderer&) = delete;
    PaginatedTextRenderer& operator=(const PaginatedTextRenderer&) = delete;

    // Whether a page of this size keeps a usable column of text within the margins.
    static bool hasRoomForText(Size pageSize);

    // Draws the block after those added before it.
    void add(const TextBlock& block);
    // The document; nullopt when the page has no room for text or drawing failed.
    std::optional<std::vector<std::uint8_t>> finish();

    // Adds every block and finishes.
    std::optional<std::vector<std::uint8_t>> render(const std::vector<TextBlock>& blocks);

private:
    void flush();
    std::size_t drawLines(bool keepLastLine);
    void newPage();

    Size pageSize_;
    PdfWriter writer_;
    PangoLayout* layout_;
    double y_ = 0;
    // Text added but not drawn yet: preformatted lines joined by "\n", or one paragraph.
    std::string pending_;
    std::optional<TextBlock::Style> pendingStyle_;
};

} // namespace platform::graphics

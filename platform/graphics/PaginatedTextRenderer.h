#pragma once

#include "graphics/Geometry.h"
#include "graphics/TextBlock.h"

#include <cstdint>
#include <optional>
#include <vector>

typedef struct _PangoLayout PangoLayout;

namespace platform::graphics {

class PdfWriter;

// Lays text blocks out with pango and flows them over as many PDF pages of one size as
// they need, line by line, within fixed margins. A document without blocks still gets
// one (blank) page.
class PaginatedTextRenderer {
public:
    static constexpr double margin = 50;

    explicit PaginatedTextRenderer(Size pageSize);

    // Whether a page of this size keeps a usable column of text within the margins.
    static bool hasRoomForText(Size pageSize);

    std::optional<std::vector<std::uint8_t>> render(const std::vector<TextBlock>& blocks);

private:
    void renderBlock(PdfWriter& writer, PangoLayout* layout, const TextBlock& block);
    void drawLines(PdfWriter& writer, PangoLayout* layout, double x);
    void newPage(PdfWriter& writer);

    Size pageSize_;
    double y_ = 0;
};

} // namespace platform::graphics

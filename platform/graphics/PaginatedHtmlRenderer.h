#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform::graphics {

class HtmlPageSlices;

// Lays an HTML page out with litehtml in the text column of a page (the page less the
// margins PaginatedTextRenderer keeps) and draws it over as many PDF pages of that size
// as it needs, breaking between lines (HtmlPageBreaks). A CSS pixel is 1/96 inch, as a
// browser prints. Pictures come from data: URIs and the page's folder (HtmlImages).
// A page too small for the margins, a document of more than maxPages pages, or one whose
// elements nest deeper than maxNestingDepth (HtmlNesting; browsers stop nesting at 512)
// gives nothing.
// Thread rule: render() keeps nothing between calls; conversions on several threads at
// once each use their own renderer.
class PaginatedHtmlRenderer {
public:
    static constexpr int maxPages = 2000;
    static constexpr int maxNestingDepth = 512;

    PaginatedHtmlRenderer(Size pageSize, std::filesystem::path folder);

    // `html` is UTF-8.
    std::optional<std::vector<std::uint8_t>> render(const std::string& html) const;

private:
    // The text column in CSS pixels.
    Size column() const;
    std::optional<std::vector<std::uint8_t>> writePages(const HtmlPageSlices& slices) const;

    Size pageSize_;
    std::filesystem::path folder_;
};

} // namespace platform::graphics

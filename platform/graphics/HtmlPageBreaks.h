#pragma once

#include <litehtml/litehtml.h>

#include <vector>

namespace platform::graphics {

// Where the pages of a laid-out HTML document begin. A page ends as low as it reaches,
// moved up to the top of the highest line of text, picture or table row it would cut
// through, so that a paragraph, a list or a table taller than a page goes on over the
// next one line by line and row by row; only what is taller than a page is cut.
class HtmlPageBreaks {
public:
    // The top of every page in document pixels: 0 first, ascending, the last one below
    // `documentHeight` (a document of no height still has its one page).
    static std::vector<int> pageTops(const litehtml::element::ptr& root, int documentHeight, int pageHeight);

private:
    struct Span {
        int top;
        int bottom;
    };

    static std::vector<Span> unbreakableSpans(const litehtml::element::ptr& root, int pageHeight);
    static std::vector<Span> rowSpans(const litehtml::element& group, int groupTop);
    static Span rowSpan(const litehtml::element& row, int rowTop);
    static int breakBefore(const std::vector<Span>& spans, int pageTop, int pageBottom);
};

} // namespace platform::graphics

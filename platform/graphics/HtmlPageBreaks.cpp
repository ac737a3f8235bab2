#include "graphics/HtmlPageBreaks.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace platform::graphics {

std::vector<int> HtmlPageBreaks::pageTops(const litehtml::element::ptr& root, int documentHeight, int pageHeight)
{
    std::vector<int> tops = {0};
    if (pageHeight <= 0)
        return tops;
    const std::vector<Span> spans = unbreakableSpans(root, pageHeight);
    while (tops.back() + pageHeight < documentHeight)
        tops.push_back(breakBefore(spans, tops.back(), tops.back() + pageHeight));
    return tops;
}

// Leaves of the element tree are the words, spaces, line breaks and pictures that
// litehtml placed; with the rows of tables, their boxes are what a page should not cut.
// A box taller than a page is cut anyway, so it holds nothing together: a table row
// that carries a whole page layout breaks between its lines.
std::vector<HtmlPageBreaks::Span> HtmlPageBreaks::unbreakableSpans(const litehtml::element::ptr& root, int pageHeight)
{
    std::vector<Span> spans;
    const auto keep = [&](const Span& span) {
        if (span.bottom > span.top && span.bottom - span.top <= pageHeight)
            spans.push_back(span);
    };
    std::vector<std::pair<litehtml::element::ptr, int>> pending = {{root, 0}};
    while (!pending.empty()) {
        const auto [element, parentTop] = std::move(pending.back());
        pending.pop_back();
        if (!element || element->get_display() == litehtml::display_none)
            continue;
        const int top = parentTop + element->get_position().y;
        const int children = static_cast<int>(element->get_children_count());
        if (children == 0)
            keep({top, top + element->get_position().height});
        for (const Span& row : rowSpans(*element, top))
            keep(row);
        for (int i = 0; i < children; ++i)
            pending.emplace_back(element->get_child(i), top);
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.top < b.top; });
    return spans;
}

// The rows of a row group, each ending where the next begins: cells of neighbouring
// rows share a collapsed border, and a row reaching into the next would hold the whole
// table together.
std::vector<HtmlPageBreaks::Span> HtmlPageBreaks::rowSpans(const litehtml::element& group, int groupTop)
{
    const litehtml::style_display display = group.get_display();
    if (display != litehtml::display_table_row_group && display != litehtml::display_table_header_group
        && display != litehtml::display_table_footer_group)
        return {};
    std::vector<Span> rows;
    for (std::size_t i = 0; i < group.get_children_count(); ++i) {
        const litehtml::element::ptr row = group.get_child(static_cast<int>(i));
        if (row->get_display() != litehtml::display_table_row)
            continue;
        const Span span = rowSpan(*row, groupTop + row->get_position().y);
        if (!rows.empty())
            rows.back().bottom = std::min(rows.back().bottom, std::max(rows.back().top, span.top));
        rows.push_back(span);
    }
    return rows;
}

// litehtml leaves a row itself unplaced and places its cells, borders and padding
// included, from the row's origin.
HtmlPageBreaks::Span HtmlPageBreaks::rowSpan(const litehtml::element& row, int rowTop)
{
    Span span = {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    for (std::size_t i = 0; i < row.get_children_count(); ++i) {
        const litehtml::element::ptr cell = row.get_child(static_cast<int>(i));
        if (cell->get_display() != litehtml::display_table_cell)
            continue;
        span.top = std::min(span.top, rowTop + cell->top());
        span.bottom = std::max(span.bottom, rowTop + cell->bottom());
    }
    return span;
}

int HtmlPageBreaks::breakBefore(const std::vector<Span>& spans, int pageTop, int pageBottom)
{
    const auto first = std::upper_bound(spans.begin(), spans.end(), pageTop, [](int y, const Span& span) { return y < span.top; });
    int end = pageBottom;
    for (;;) {
        const auto last = std::lower_bound(first, spans.end(), end, [](const Span& span, int y) { return span.top < y; });
        int raised = end;
        for (auto span = first; span != last; ++span) {
            if (span->bottom > end)
                raised = std::min(raised, span->top);
        }
        if (raised == end)
            return end;
        end = raised;
    }
}

} // namespace platform::graphics

#include "graphics/TextLines.h"

#include <algorithm>

namespace platform::graphics {

TextLines::TextLines(const std::string& text, const TextStyle& style, double width, double scale)
    : style_(style), width_(width), scale_(scale), lines_(TextLayout::linesAtScale(text, style, width, scale))
{
}

void TextLines::update(const std::string& text, std::size_t from)
{
    const auto changed = std::lower_bound(lines_.begin(), lines_.end(), from,
                                          [](const TextLayout::Line& line, std::size_t at) { return line.start < at; });
    const auto untouched = static_cast<std::size_t>(changed - lines_.begin());
    const std::size_t kept = untouched > reflowedLines ? untouched - reflowedLines : 0;
    const TextLayout::Line anchor = kept > 0 ? lines_[kept] : TextLayout::Line{};
    lines_.resize(kept);
    const std::string tail = anchor.start < text.size() ? text.substr(anchor.start) : std::string();
    for (const auto& line : TextLayout::linesAtScale(tail, style_, width_, scale_)) {
        lines_.push_back({anchor.start + line.start, anchor.top + line.top, anchor.top + line.bottom});
    }
}

const TextLayout::Line& TextLines::lineAt(double y) const
{
    const auto below = std::upper_bound(lines_.begin(), lines_.end(), y,
                                        [](double at, const TextLayout::Line& line) { return at < line.bottom; });
    return below == lines_.end() ? lines_.back() : *below;
}

} // namespace platform::graphics

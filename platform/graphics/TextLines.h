#pragma once

#include "graphics/TextLayout.h"
#include "graphics/TextStyle.h"

#include <cstddef>
#include <string>
#include <vector>

namespace platform::graphics {

// The lines of a plain text set in a width, kept as the text changes. A change lays out
// again only from a little before the first line it touches, so typing at the end of a
// long text costs what its last lines cost, not what the whole text does.
// Main thread only, as measuring is.
class TextLines {
public:
    // Lays out the whole text.
    TextLines(const std::string& text, const TextStyle& style, double width, double scale);

    // The text is the last one given up to byte `from`, and may differ after it.
    void update(const std::string& text, std::size_t from);
    double width() const { return width_; }
    double height() const { return lines_.back().bottom; }
    const TextLayout::Line& lastLine() const { return lines_.back(); }
    // The line across `y`; the first or the last line above or below the text.
    const TextLayout::Line& lineAt(double y) const;

private:
    // A change can pull words back into this many lines before the one it starts in.
    static constexpr std::size_t reflowedLines = 2;

    TextStyle style_;
    double width_;
    double scale_;
    std::vector<TextLayout::Line> lines_;
};

} // namespace platform::graphics

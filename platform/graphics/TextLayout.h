#pragma once

#include "graphics/AttributedString.h"
#include "graphics/Geometry.h"
#include "graphics/TextStyle.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;

namespace platform::graphics {

// A pango layout of attributed text in a style: the one place text is shaped, for both
// measuring and drawing.
//
// Shaping costs time in proportion to the text, however little of it shows. Where the
// box holds only the start of a text (one ellipsized line, a line limit, or a visible
// height), the layout takes the start of the text and lengthens it until it fills the
// box: what it shows is what the whole text would show, and a megabyte of text costs
// what one screenful costs.
class TextLayout {
public:
    // Where a line starts in its text (a byte offset) and the band it takes, top to bottom.
    struct Line {
        std::size_t start = 0;
        double top = 0;
        double bottom = 0;
    };

    // `visibleHeight`: how much of the layout's top is seen (0: all of it).
    TextLayout(cairo_t* cairo, const AttributedString& text, const TextStyle& style, double maxWidth,
               double visibleHeight = 0);
    ~TextLayout();
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    // Measure without a drawing surface of the caller's; the two share a context each, so
    // they are for the main thread only.
    static Size measure(const AttributedString& text, const TextStyle& style, double maxWidth);
    // Measures as the text is drawn at `scale` pixels a point: glyph advances follow the
    // pixel grid, so the same text can take a little more room at one scale than another.
    static Size measureAtScale(const AttributedString& text, const TextStyle& style, double maxWidth, double scale);
    // The width of the text on one line when it is at most `limit`; any width past the
    // limit when it is wider.
    static double naturalWidthUpTo(const AttributedString& text, const TextStyle& style, double limit);
    // Every line of a plain text set in `maxWidth` as drawn at `scale` pixels a point; at
    // least one, even for no text. It lays out the whole text.
    static std::vector<Line> linesAtScale(const std::string& text, const TextStyle& style, double maxWidth,
                                          double scale);

    Size size() const;
    // Draws with the top-left corner of the text at `origin`.
    void draw(cairo_t* cairo, const Point& origin, const Color& color) const;

private:
    TextLayout(cairo_t* cairo, const TextStyle& style, double maxWidth);
    void applyRuns(const AttributedString& text, const TextStyle& style);
    // Lays out longer and longer starts of the text until `enough` answers yes for one,
    // or the whole text is laid out.
    void applyStartOfRuns(const AttributedString& text, const TextStyle& style, std::size_t firstLength,
                          const std::function<bool()>& enough);
    void applyWholeLines(const AttributedString& text, const TextStyle& style, double maxWidth, double visibleHeight);
    int lineCount() const;
    int wholeLinesWithin(double visibleHeight, int limit) const;
    AttributedString firstLinesEndedWithEllipsis(const AttributedString& text, int count) const;
    bool isEllipsized() const;
    double lastLineTop() const;
    std::vector<Line> lines() const;

    PangoLayout* layout_;
};

} // namespace platform::graphics

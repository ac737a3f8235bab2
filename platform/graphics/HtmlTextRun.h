#pragma once

#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/HtmlFonts.h"

#include <string>
#include <vector>

typedef struct _cairo cairo_t;

namespace platform::graphics {

// Words that litehtml placed one after another on a line, in one font and colour, drawn
// as one run of glyphs: each word stands exactly where litehtml placed it, and words
// that stand apart are joined by a space in the run's text, so that the PDF reads as the
// line it shows. Drawing a line at once costs a fraction of drawing it word by word.
// Words the run cannot join (right-to-left, set in a fallback font, decorated) are drawn
// one by one.
// Thread rule: a run is built and drawn on one thread.
class HtmlTextRun {
public:
    HtmlTextRun(HtmlFonts::Handle font, const Color& color, const Rect& box, std::string text);

    // Whether a word in `box` continues the run: the same font and colour, the same line,
    // to the right of the last word.
    bool continuesWith(HtmlFonts::Handle font, const Color& color, const Rect& box) const;
    void append(const Rect& box, std::string text);

    void draw(cairo_t* cairo, HtmlFonts& fonts) const;

private:
    struct Word {
        double x;
        double right;
        std::string text;
    };

    // False, having drawn nothing, when a word cannot join the others.
    bool drawJoined(cairo_t* cairo, HtmlFonts& fonts) const;

    HtmlFonts::Handle font_;
    Color color_;
    Rect box_;
    std::vector<Word> words_;
};

} // namespace platform::graphics

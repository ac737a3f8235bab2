#pragma once

#include "graphics/Color.h"
#include "graphics/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;
typedef struct _PangoLayoutLine PangoLayoutLine;

namespace platform::graphics {

// The fonts one HTML page asks for, as pango sets them, in CSS pixels. A CSS font-family
// list takes its first installed family; the generic families map to fontconfig's, and
// a list with nothing installed falls back as Font does. Text is measured and drawn with
// the same unhinted metrics, so what the layout measured is what the page shows at any
// scale. Each word is shaped once per font: a page repeats its words.
// Thread rule: one page's fonts are used on one thread.
class HtmlFonts {
public:
    struct Request {
        std::string_view families;
        int size = 16;
        int weight = 400;
        bool italic = false;
        bool underline = false;
        bool lineThrough = false;
        bool overline = false;
    };
    struct Metrics {
        int height = 0;
        int ascent = 0;
        int descent = 0;
        int xHeight = 0;
    };
    // A handle for litehtml: never 0.
    using Handle = std::uintptr_t;
    // Sizes are kept within 1 and this many pixels: a page may ask for any size.
    static constexpr int maxSize = 2000;

    HtmlFonts();
    ~HtmlFonts();
    HtmlFonts(const HtmlFonts&) = delete;
    HtmlFonts& operator=(const HtmlFonts&) = delete;

    Handle create(const Request& request, Metrics& metrics);
    int textWidth(std::string_view text, Handle font);
    // Draws one run of text where litehtml placed it: in a box as high as the font, the
    // baseline a descent above the box's bottom.
    void draw(cairo_t* cairo, std::string_view text, Handle font, const Color& color, const Rect& box);

    // The text shaped in the font, as one line; nullptr for an unknown font.
    PangoLayoutLine* shape(std::string_view text, Handle font);
    int descent(Handle font) const;
    // Whether lines run under, over or through the font's text.
    bool isDecorated(Handle font) const;

private:
    struct Word;
    struct Face;

    // nullptr for a handle this set never gave.
    Face* face(Handle font) const;
    static void measure(Face& face, Metrics& metrics);
    static const Word& word(Face& face, std::string_view text);

    PangoContext* context_;
    std::vector<std::unique_ptr<Face>> faces_;
};

} // namespace platform::graphics

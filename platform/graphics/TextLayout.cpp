#include "graphics/TextLayout.h"

#include "graphics/DrawingContext.h"
#include "graphics/PaintedFonts.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>

namespace platform::graphics {

namespace {

guint16 colorChannel(double component)
{
    return static_cast<guint16>(std::clamp(component, 0.0, 1.0) * 65535);
}

PangoAlignment pangoAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::center:
        return PANGO_ALIGN_CENTER;
    case TextAlignment::right:
        return PANGO_ALIGN_RIGHT;
    default:
        return PANGO_ALIGN_LEFT;
    }
}

// Text from outside may carry invalid UTF-8; it is mended run by run so that attribute
// offsets stay on character boundaries.
std::string validUtf8(const std::string& text)
{
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
        return text;
    }
    gchar* mended = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    std::string result(mended);
    g_free(mended);
    return result;
}

void insertAttribute(PangoAttrList* list, PangoAttribute* attribute, std::size_t start, std::size_t end)
{
    attribute->start_index = static_cast<guint>(start);
    attribute->end_index = static_cast<guint>(end);
    pango_attr_list_insert(list, attribute);
}

// Measuring needs a cairo context but no pixels: a tiny surface does.
cairo_t* makeMeasuringContext()
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cairo = cairo_create(surface);
    cairo_surface_destroy(surface);
    return cairo;
}

// One context serves every measurement made on the main thread.
cairo_t* measuringContext()
{
    static cairo_t* context = makeMeasuringContext();
    return context;
}

// The same for measurements at a drawing scale; its scale is set for each one.
cairo_t* scaledMeasuringContext()
{
    static cairo_t* context = makeMeasuringContext();
    return context;
}

// A painted character's box, in parts of the font size: a little wider than high, on the
// baseline as a capital letter of a plain font would sit.
constexpr double glyphAdvance = 1.1;
constexpr double glyphAscent = 0.95;
constexpr double glyphLineHeight = 1.2;
constexpr double glyphInset = 0.05;
constexpr double glyphTop = 0.85;

// What a shape attribute carries to the renderer: who paints which character at what size.
struct PaintedGlyph {
    std::shared_ptr<const GlyphPainter> painter;
    std::string glyph;
    double size;
};

gpointer copyPaintedGlyph(gconstpointer data)
{
    return new PaintedGlyph(*static_cast<const PaintedGlyph*>(data));
}

void destroyPaintedGlyph(gpointer data)
{
    delete static_cast<PaintedGlyph*>(data);
}

// Called by pango with the current point on the glyph's baseline, the source already in
// the run's colour.
void renderPaintedGlyph(cairo_t* cairo, PangoAttrShape* attribute, gboolean doPath, gpointer)
{
    if (doPath) {
        return;
    }
    const auto& painted = *static_cast<const PaintedGlyph*>(attribute->data);
    double x = 0;
    double y = 0;
    cairo_get_current_point(cairo, &x, &y);
    double red = 0, green = 0, blue = 0, alpha = 1;
    cairo_pattern_get_rgba(cairo_get_source(cairo), &red, &green, &blue, &alpha);
    const double size = painted.size;
    cairo_new_path(cairo);
    DrawingContext context(cairo);
    painted.painter->paint(context, painted.glyph, makeRect(x + glyphInset * size, y - glyphTop * size, size, size),
                           Color{red, green, blue, alpha});
}

std::size_t utf8CharacterLength(unsigned char lead)
{
    if (lead >= 0xf0) {
        return 4;
    }
    if (lead >= 0xe0) {
        return 3;
    }
    return lead >= 0xc0 ? 2 : 1;
}

// Each character of a painted run becomes one shape of the painted glyph's box.
void insertPaintedGlyphs(PangoAttrList* list, const std::shared_ptr<const GlyphPainter>& painter,
                         const std::string& text, std::size_t start, double size)
{
    const int unit = static_cast<int>(size * PANGO_SCALE);
    const PangoRectangle box{0, static_cast<int>(-glyphAscent * unit), static_cast<int>(glyphAdvance * unit),
                             static_cast<int>(glyphLineHeight * unit)};
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t length = std::min(utf8CharacterLength(static_cast<unsigned char>(text[offset])),
                                            text.size() - offset);
        auto* glyph = new PaintedGlyph{painter, text.substr(offset, length), size};
        insertAttribute(list, pango_attr_shape_new_with_data(&box, &box, glyph, copyPaintedGlyph, destroyPaintedGlyph),
                        start + offset, start + offset + length);
        offset += length;
    }
}

// Adds the bytes [begin, end) of the text to `to`, each run keeping its font and colour.
void appendPiece(AttributedString& to, const AttributedString& text, std::size_t begin, std::size_t end)
{
    std::size_t runStart = 0;
    for (const auto& run : text.runs()) {
        const std::size_t runEnd = runStart + run.text.size();
        const std::size_t from = std::max(begin, runStart);
        const std::size_t until = std::min(end, runEnd);
        if (from < until) {
            to.append(run.text.substr(from - runStart, until - from), run.font, run.color);
        }
        runStart = runEnd;
    }
}

// The first `length` bytes of the text, cut back to a character boundary.
AttributedString startOf(const AttributedString& text, std::size_t length)
{
    AttributedString start;
    for (const auto& run : text.runs()) {
        if (run.text.size() <= length) {
            start.append(run.text, run.font, run.color);
            length -= run.text.size();
            continue;
        }
        std::size_t cut = length;
        while (cut > 0 && (static_cast<unsigned char>(run.text[cut]) & 0xc0) == 0x80) {
            --cut;
        }
        start.append(run.text.substr(0, cut), run.font, run.color);
        break;
    }
    return start;
}

// Adds `text` in the font and colour of the last run, so that it sets as what it follows;
// a painted font's glyphs stand for icons, so its font is left out.
void appendAsLastRun(AttributedString& to, const std::string& text)
{
    if (to.empty()) {
        to.append(text);
        return;
    }
    const auto& last = to.runs().back();
    const bool painted = last.font && PaintedFonts::painterFor(last.font->name());
    to.append(text, painted ? std::nullopt : last.font, last.color);
}

AttributedString mended(const AttributedString& text)
{
    AttributedString valid;
    for (const auto& run : text.runs()) {
        valid.append(validUtf8(run.text), run.font, run.color);
    }
    return valid;
}

std::size_t lengthOf(const AttributedString& text)
{
    std::size_t length = 0;
    for (const auto& run : text.runs()) {
        length += run.text.size();
    }
    return length;
}

// A guess at how many bytes fill `lines` lines of that width: a character is seldom
// narrower than a quarter of the font size. A wrong guess only costs another try.
std::size_t bytesForLines(double lines, double width, const Font& font)
{
    constexpr std::size_t fewest = 256;
    const double perLine = width / std::max(font.size() * 0.25, 1.0) + 1;
    return std::max(fewest, static_cast<std::size_t>(std::min(lines * perLine, 1e9)));
}

} // namespace

TextLayout::TextLayout(cairo_t* cairo, const AttributedString& text, const TextStyle& style, double maxWidth,
                       double visibleHeight)
    : TextLayout(cairo, style, maxWidth)
{
    const bool limited = style.numberOfLines > 1 || (style.numberOfLines == 0 && visibleHeight > 0);
    if (maxWidth > 0 && style.wholeLines && limited) {
        applyWholeLines(text, style, maxWidth, visibleHeight);
        return;
    }
    if (maxWidth > 0 && style.numberOfLines > 0) {
        // Once the last line is ellipsized, the rest of the text changes nothing.
        applyStartOfRuns(text, style, bytesForLines(style.numberOfLines, maxWidth, style.font),
                         [this] { return isEllipsized(); });
        return;
    }
    if (maxWidth > 0 && visibleHeight > 0) {
        // Once the last line is out of sight, the rest of the text changes nothing that shows.
        const double visibleLines = visibleHeight / std::max(style.font.size(), 1.0) + 1;
        applyStartOfRuns(text, style, bytesForLines(visibleLines, maxWidth, style.font),
                         [this, visibleHeight] { return lastLineTop() >= visibleHeight; });
        return;
    }
    applyRuns(text, style);
}

TextLayout::TextLayout(cairo_t* cairo, const TextStyle& style, double maxWidth)
    : layout_(pango_cairo_create_layout(cairo))
{
    pango_cairo_context_set_shape_renderer(pango_layout_get_context(layout_), renderPaintedGlyph, nullptr, nullptr);
    PangoFontDescription* font = style.font.makeDescription();
    pango_layout_set_font_description(layout_, font);
    pango_font_description_free(font);
    pango_layout_set_alignment(layout_, pangoAlignment(style.alignment));
    pango_layout_set_justify(layout_, style.alignment == TextAlignment::justified);
    if (maxWidth > 0) {
        pango_layout_set_width(layout_, static_cast<int>(maxWidth * PANGO_SCALE));
        pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
        pango_layout_set_ellipsize(layout_, style.numberOfLines == 0 ? PANGO_ELLIPSIZE_NONE : PANGO_ELLIPSIZE_END);
        if (style.numberOfLines > 0) {
            pango_layout_set_height(layout_, -style.numberOfLines);
        }
    }
}

TextLayout::~TextLayout()
{
    g_object_unref(layout_);
}

void TextLayout::applyRuns(const AttributedString& text, const TextStyle& style)
{
    std::string joined;
    PangoAttrList* attributes = pango_attr_list_new();
    for (const auto& run : text.runs()) {
        const std::size_t start = joined.size();
        const std::string runText = validUtf8(run.text);
        joined += runText;
        const Font& font = run.font.value_or(style.font);
        if (const auto painter = PaintedFonts::painterFor(font.name())) {
            insertPaintedGlyphs(attributes, painter, runText, start, font.size());
        }
        if (run.font) {
            PangoFontDescription* font = run.font->makeDescription();
            insertAttribute(attributes, pango_attr_font_desc_new(font), start, joined.size());
            pango_font_description_free(font);
        }
        const Color color = run.color.value_or(style.color);
        insertAttribute(attributes,
                        pango_attr_foreground_new(colorChannel(color.red), colorChannel(color.green),
                                                  colorChannel(color.blue)),
                        start, joined.size());
        insertAttribute(attributes, pango_attr_foreground_alpha_new(colorChannel(color.alpha)), start, joined.size());
    }
    if (style.numberOfLines == 1) {
        std::replace(joined.begin(), joined.end(), '\n', ' ');
    }
    pango_layout_set_text(layout_, joined.c_str(), static_cast<int>(joined.size()));
    pango_layout_set_attributes(layout_, attributes);
    pango_attr_list_unref(attributes);
}

void TextLayout::applyStartOfRuns(const AttributedString& text, const TextStyle& style, std::size_t firstLength,
                                  const std::function<bool()>& enough)
{
    const std::size_t total = lengthOf(text);
    for (std::size_t length = firstLength; length < total; length *= 4) {
        applyRuns(startOf(text, length), style);
        if (enough()) {
            return;
        }
    }
    applyRuns(text, style);
}

// Pango limits lines per paragraph, not per layout, so the lines that show are laid out
// again as paragraphs of one line each.
void TextLayout::applyWholeLines(const AttributedString& text, const TextStyle& style, double maxWidth,
                                 double visibleHeight)
{
    pango_layout_set_ellipsize(layout_, PANGO_ELLIPSIZE_NONE);
    const int limit = style.numberOfLines;
    const double lines = limit > 0 ? limit : visibleHeight / std::max(style.font.size(), 1.0) + 1;
    const AttributedString valid = mended(text);
    // Once a line past those that can show is laid out, the rest of the text changes nothing.
    applyStartOfRuns(valid, style, bytesForLines(lines, maxWidth, style.font), [&] {
        return (limit > 0 && lineCount() > limit) || (visibleHeight > 0 && lastLineTop() >= visibleHeight);
    });
    const int shown = wholeLinesWithin(visibleHeight, limit);
    if (lineCount() <= shown) {
        return;
    }
    const AttributedString firstLines = firstLinesEndedWithEllipsis(valid, shown);
    pango_layout_set_ellipsize(layout_, PANGO_ELLIPSIZE_END);
    pango_layout_set_height(layout_, -1);
    applyRuns(firstLines, style);
}

int TextLayout::lineCount() const
{
    return pango_layout_get_line_count(layout_);
}

// The lines whose bottom is within the visible height, at least one and at most the limit.
// A line's box has room under its glyphs, so one over the edge by a hair still shows whole.
int TextLayout::wholeLinesWithin(double visibleHeight, int limit) const
{
    constexpr double tolerance = 1;
    int count = 0;
    PangoLayoutIter* line = pango_layout_get_iter(layout_);
    do {
        int bottom = 0;
        pango_layout_iter_get_line_yrange(line, nullptr, &bottom);
        if (visibleHeight > 0 && bottom > (visibleHeight + tolerance) * PANGO_SCALE) {
            break;
        }
        ++count;
    } while (pango_layout_iter_next_line(line));
    pango_layout_iter_free(line);
    count = std::max(count, 1);
    return limit > 0 ? std::min(count, limit) : count;
}

// The first `count` laid-out lines of the text, each a paragraph of its own. The last one
// runs on to the end of its paragraph, which the layout's ellipsis then cuts; when it ends
// its paragraph, the ellipsis is written after it.
AttributedString TextLayout::firstLinesEndedWithEllipsis(const AttributedString& text, int count) const
{
    const char* laidOut = pango_layout_get_text(layout_);
    const auto startOfLine = [this](int index) {
        return static_cast<std::size_t>(pango_layout_get_line_readonly(layout_, index)->start_index);
    };
    const auto endOfLine = [this, &startOfLine](int index) {
        return startOfLine(index) + static_cast<std::size_t>(pango_layout_get_line_readonly(layout_, index)->length);
    };
    const auto wrapsOn = [&](int index) {
        return index + 1 < lineCount() && startOfLine(index + 1) == endOfLine(index);
    };
    AttributedString shown;
    for (int index = 0; index + 1 < count; ++index) {
        if (!wrapsOn(index)) {
            appendPiece(shown, text, startOfLine(index), startOfLine(index + 1));
            continue;
        }
        std::size_t end = endOfLine(index);
        while (end > startOfLine(index) && laidOut[end - 1] == ' ') {
            --end;
        }
        appendPiece(shown, text, startOfLine(index), end);
        appendAsLastRun(shown, "\n");
    }
    int last = count - 1;
    while (wrapsOn(last)) {
        ++last;
    }
    appendPiece(shown, text, startOfLine(count - 1), endOfLine(last));
    if (last == count - 1) {
        appendAsLastRun(shown, "\u2026");
    }
    return shown;
}

bool TextLayout::isEllipsized() const
{
    return pango_layout_is_ellipsized(layout_);
}

double TextLayout::lastLineTop() const
{
    PangoLayoutIter* line = pango_layout_get_iter(layout_);
    while (pango_layout_iter_next_line(line)) {
    }
    int top = 0;
    pango_layout_iter_get_line_yrange(line, &top, nullptr);
    pango_layout_iter_free(line);
    return static_cast<double>(top) / PANGO_SCALE;
}

std::vector<TextLayout::Line> TextLayout::lines() const
{
    std::vector<Line> lines;
    PangoLayoutIter* line = pango_layout_get_iter(layout_);
    do {
        int top = 0;
        int bottom = 0;
        pango_layout_iter_get_line_yrange(line, &top, &bottom);
        const auto start = static_cast<std::size_t>(pango_layout_iter_get_line_readonly(line)->start_index);
        lines.push_back({start, static_cast<double>(top) / PANGO_SCALE, static_cast<double>(bottom) / PANGO_SCALE});
    } while (pango_layout_iter_next_line(line));
    pango_layout_iter_free(line);
    return lines;
}

Size TextLayout::measure(const AttributedString& text, const TextStyle& style, double maxWidth)
{
    return TextLayout(measuringContext(), text, style, maxWidth).size();
}

Size TextLayout::measureAtScale(const AttributedString& text, const TextStyle& style, double maxWidth, double scale)
{
    cairo_t* cairo = scaledMeasuringContext();
    cairo_identity_matrix(cairo);
    cairo_scale(cairo, scale, scale);
    return TextLayout(cairo, text, style, maxWidth).size();
}

std::vector<TextLayout::Line> TextLayout::linesAtScale(const std::string& text, const TextStyle& style,
                                                      double maxWidth, double scale)
{
    cairo_t* cairo = scaledMeasuringContext();
    cairo_identity_matrix(cairo);
    cairo_scale(cairo, scale, scale);
    return TextLayout(cairo, AttributedString(text), style, maxWidth).lines();
}

double TextLayout::naturalWidthUpTo(const AttributedString& text, const TextStyle& style, double limit)
{
    TextLayout layout(measuringContext(), style, 0);
    layout.applyStartOfRuns(text, style, bytesForLines(1, limit, style.font),
                            [&] { return layout.size().width > limit; });
    return layout.size().width;
}

Size TextLayout::size() const
{
    PangoRectangle logical;
    pango_layout_get_extents(layout_, nullptr, &logical);
    return {static_cast<double>(logical.width) / PANGO_SCALE, static_cast<double>(logical.height) / PANGO_SCALE};
}

void TextLayout::draw(cairo_t* cairo, const Point& origin, const Color& color) const
{
    cairo_set_source_rgba(cairo, color.red, color.green, color.blue, color.alpha);
    cairo_move_to(cairo, origin.x, origin.y);
    pango_cairo_show_layout(cairo, layout_);
}

} // namespace platform::graphics

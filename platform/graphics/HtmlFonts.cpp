#include "graphics/HtmlFonts.h"

#include "graphics/Font.h"

#include "foundation/Text.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace platform::graphics {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> genericFamilies = {{
    {"serif", "Serif"}, {"sans-serif", "Sans"}, {"monospace", "Monospace"},
    {"cursive", "Sans"}, {"fantasy", "Sans"}, {"system-ui", "Sans"},
}};

std::string_view trimmed(std::string_view name)
{
    constexpr std::string_view blanks = " \t\r\n\"'";
    const std::size_t first = name.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return name.substr(first, name.find_last_not_of(blanks) - first + 1);
}

// An empty name when none is installed: Font then draws in its fallback.
std::string installedFamily(std::string_view families)
{
    while (!families.empty()) {
        const std::size_t comma = families.find(',');
        const std::string name(trimmed(families.substr(0, comma)));
        families = comma == std::string_view::npos ? std::string_view() : families.substr(comma + 1);
        const std::string lower = text::toLower(name);
        for (const auto& [generic, family] : genericFamilies) {
            if (lower == generic)
                return std::string(family);
        }
        if (!name.empty() && Font::isFontAvailable(name))
            return name;
    }
    return {};
}

PangoAttrList* decorations(const HtmlFonts::Request& request)
{
    PangoAttrList* attributes = pango_attr_list_new();
    if (request.underline)
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (request.lineThrough)
        pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
    if (request.overline)
        pango_attr_list_insert(attributes, pango_attr_overline_new(PANGO_OVERLINE_SINGLE));
    return attributes;
}

int pixels(int pangoUnits)
{
    return static_cast<int>(std::lround(static_cast<double>(pangoUnits) / PANGO_SCALE));
}

} // namespace

// A word is shaped once, when it is first measured, and drawn from that shape wherever
// it occurs.
struct HtmlFonts::Word {
    PangoLayout* layout;
    int width;
};

struct HtmlFonts::Face {
    PangoLayout* layout;
    bool decorated = false;
    int descent = 0;
    std::unordered_map<std::string, Word> words;
};

HtmlFonts::HtmlFonts()
    : context_(pango_font_map_create_context(pango_cairo_font_map_get_default()))
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context_, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(context_, FALSE);
}

HtmlFonts::~HtmlFonts()
{
    for (const auto& face : faces_) {
        for (const auto& [text, word] : face->words)
            g_object_unref(word.layout);
        g_object_unref(face->layout);
    }
    g_object_unref(context_);
}

HtmlFonts::Handle HtmlFonts::create(const Request& request, Metrics& metrics)
{
    const int size = std::clamp(request.size, 1, maxSize);
    PangoFontDescription* description = Font(installedFamily(request.families), size).makeDescription();
    pango_font_description_set_weight(description, static_cast<PangoWeight>(std::clamp(request.weight, 100, 1000)));
    pango_font_description_set_style(description, request.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    PangoLayout* layout = pango_layout_new(context_);
    pango_layout_set_font_description(layout, description);
    pango_font_description_free(description);
    PangoAttrList* attributes = decorations(request);
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
    const bool decorated = request.underline || request.lineThrough || request.overline;
    faces_.push_back(std::make_unique<Face>(Face{layout, decorated, 0, {}}));
    measure(*faces_.back(), metrics);
    return faces_.size();
}

void HtmlFonts::measure(Face& face, Metrics& metrics)
{
    PangoContext* context = pango_layout_get_context(face.layout);
    PangoFontMetrics* fontMetrics = pango_context_get_metrics(context, pango_layout_get_font_description(face.layout), nullptr);
    metrics.ascent = pixels(pango_font_metrics_get_ascent(fontMetrics));
    metrics.descent = pixels(pango_font_metrics_get_descent(fontMetrics));
    metrics.height = std::max(pixels(pango_font_metrics_get_height(fontMetrics)), metrics.ascent + metrics.descent);
    pango_font_metrics_unref(fontMetrics);
    face.descent = metrics.descent;

    PangoRectangle ink;
    pango_layout_set_text(face.layout, "x", 1);
    pango_layout_get_extents(face.layout, &ink, nullptr);
    metrics.xHeight = std::max(1, pixels(ink.height));
}

HtmlFonts::Face* HtmlFonts::face(Handle font) const
{
    return font > 0 && font <= faces_.size() ? faces_[font - 1].get() : nullptr;
}

const HtmlFonts::Word& HtmlFonts::word(Face& face, std::string_view text)
{
    const auto known = face.words.find(std::string(text));
    if (known != face.words.end())
        return known->second;
    PangoLayout* layout = pango_layout_copy(face.layout);
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
        pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    } else {
        gchar* mended = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
        pango_layout_set_text(layout, mended, -1);
        g_free(mended);
    }
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return face.words.emplace(text, Word{layout, pixels(logical.width)}).first->second;
}

int HtmlFonts::textWidth(std::string_view text, Handle font)
{
    Face* measured = face(font);
    return measured ? word(*measured, text).width : 0;
}

void HtmlFonts::draw(cairo_t* cairo, std::string_view text, Handle font, const Color& color, const Rect& box)
{
    PangoLayoutLine* line = shape(text, font);
    if (!line)
        return;
    cairo_set_source_rgba(cairo, color.red, color.green, color.blue, color.alpha);
    cairo_move_to(cairo, box.minX(), box.maxY() - descent(font));
    pango_cairo_show_layout_line(cairo, line);
}

PangoLayoutLine* HtmlFonts::shape(std::string_view text, Handle font)
{
    Face* shaped = face(font);
    return shaped ? pango_layout_get_line_readonly(word(*shaped, text).layout, 0) : nullptr;
}

int HtmlFonts::descent(Handle font) const
{
    const Face* known = face(font);
    return known ? known->descent : 0;
}

bool HtmlFonts::isDecorated(Handle font) const
{
    const Face* known = face(font);
    return known && known->decorated;
}

} // namespace platform::graphics

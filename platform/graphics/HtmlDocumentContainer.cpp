#include "graphics/HtmlDocumentContainer.h"

#include "graphics/HtmlBoxPainter.h"

#include "foundation/Text.h"

#include <cairo.h>

#include <cmath>
#include <limits>

namespace platform::graphics {
namespace {

constexpr int defaultFontSize = 16;
constexpr const char* defaultFontName = "serif";
// CSS pixels per inch and points per inch.
constexpr int pixelsPerInch = 96;
constexpr int pointsPerInch = 72;

} // namespace

HtmlDocumentContainer::HtmlDocumentContainer(Size viewport, HtmlImages& images)
    : viewport_(viewport)
    , images_(images)
{
}

litehtml::uint_ptr HtmlDocumentContainer::create_font(const litehtml::tchar_t* faceName, int size, int weight,
    litehtml::font_style italic, unsigned int decoration, litehtml::font_metrics* fm)
{
    HtmlFonts::Request request;
    request.families = faceName ? faceName : "";
    request.size = size;
    request.weight = weight;
    request.italic = italic == litehtml::fontStyleItalic;
    request.underline = decoration & litehtml::font_decoration_underline;
    request.lineThrough = decoration & litehtml::font_decoration_linethrough;
    request.overline = decoration & litehtml::font_decoration_overline;
    HtmlFonts::Metrics metrics;
    const HtmlFonts::Handle font = fonts_.create(request, metrics);
    if (fm) {
        fm->ascent = metrics.ascent;
        fm->descent = metrics.descent;
        fm->height = metrics.height;
        fm->x_height = metrics.xHeight;
        // Spaces only show when a line runs through them.
        fm->draw_spaces = decoration != litehtml::font_decoration_none;
    }
    return font;
}

// Fonts live as long as the container, which lives as long as its document.
void HtmlDocumentContainer::delete_font(litehtml::uint_ptr) {}

int HtmlDocumentContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont)
{
    return fonts_.textWidth(text, hFont);
}

void HtmlDocumentContainer::draw_text(litehtml::uint_ptr, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
    litehtml::web_color color, const litehtml::position& pos)
{
    const Color drawn = HtmlBoxPainter::colorOf(color);
    const Rect box = HtmlBoxPainter::rectOf(pos);
    if (run_ && run_->continuesWith(hFont, drawn, box)) {
        run_->append(box, text);
        return;
    }
    auto run = std::make_shared<HtmlTextRun>(hFont, drawn, box, text);
    draw(pos, [this, run](cairo_t* cairo) { run->draw(cairo, fonts_); });
    run_ = std::move(run);
}

int HtmlDocumentContainer::pt_to_px(int pt) const
{
    return static_cast<int>(std::lround(static_cast<double>(pt) * pixelsPerInch / pointsPerInch));
}

int HtmlDocumentContainer::get_default_font_size() const
{
    return defaultFontSize;
}

const litehtml::tchar_t* HtmlDocumentContainer::get_default_font_name() const
{
    return defaultFontName;
}

void HtmlDocumentContainer::draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker& marker)
{
    const ImagePtr image = marker.image.empty() ? nullptr : images_.image(marker.image);
    draw(marker.pos, [marker, image](cairo_t* cairo) { HtmlBoxPainter(cairo).paintMarker(marker, image.get()); });
}

void HtmlDocumentContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t*, bool)
{
    images_.image(src);
}

void HtmlDocumentContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t*, litehtml::size& sz)
{
    const ImagePtr image = images_.image(src);
    sz.width = image ? image->pixelWidth() : 0;
    sz.height = image ? image->pixelHeight() : 0;
}

void HtmlDocumentContainer::draw_background(litehtml::uint_ptr, const litehtml::background_paint& bg)
{
    const ImagePtr image = bg.image.empty() ? nullptr : images_.image(bg.image);
    draw(bg.clip_box, [bg, image](cairo_t* cairo) { HtmlBoxPainter(cairo).paintBackground(bg, image.get()); });
}

void HtmlDocumentContainer::draw_borders(litehtml::uint_ptr, const litehtml::borders& borders,
    const litehtml::position& draw_pos, bool)
{
    draw(draw_pos, [borders, draw_pos](cairo_t* cairo) { HtmlBoxPainter(cairo).paintBorders(borders, draw_pos); });
}

void HtmlDocumentContainer::draw(const litehtml::position& box, const HtmlPageSlices::Drawing& drawing)
{
    run_.reset();
    canvas_->draw(box.top(), box.bottom(), drawing);
}

void HtmlDocumentContainer::set_caption(const litehtml::tchar_t*) {}

// Relative sources are read beside the file, whatever base the page names.
void HtmlDocumentContainer::set_base_url(const litehtml::tchar_t*) {}

void HtmlDocumentContainer::link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) {}

void HtmlDocumentContainer::on_anchor_click(const litehtml::tchar_t*, const litehtml::element::ptr&) {}

void HtmlDocumentContainer::set_cursor(const litehtml::tchar_t*) {}

void HtmlDocumentContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt)
{
    switch (tt) {
    case litehtml::text_transform_uppercase:
        text = text::toUpper(text);
        break;
    case litehtml::text_transform_lowercase:
        text = text::toLower(text);
        break;
    case litehtml::text_transform_capitalize:
        text = text::capitalizeFirst(text);
        break;
    default:
        break;
    }
}

// Nothing is fetched: a linked style sheet stays empty.
void HtmlDocumentContainer::import_css(litehtml::tstring&, const litehtml::tstring&, litehtml::tstring&) {}

void HtmlDocumentContainer::set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius,
    bool valid_x, bool valid_y)
{
    constexpr double unbounded = std::numeric_limits<int>::max() / 2.0;
    Rect clip = HtmlBoxPainter::rectOf(pos);
    if (!valid_x)
        clip = {{-unbounded, clip.minY()}, {2 * unbounded, clip.height()}};
    if (!valid_y)
        clip = {{clip.minX(), -unbounded}, {clip.width(), 2 * unbounded}};
    run_.reset();
    canvas_->pushClip(clip, bdr_radius.top_left_x);
}

void HtmlDocumentContainer::del_clip()
{
    run_.reset();
    canvas_->popClip();
}

void HtmlDocumentContainer::get_client_rect(litehtml::position& client) const
{
    client = litehtml::position(0, 0, static_cast<int>(viewport_.width), static_cast<int>(viewport_.height));
}

std::shared_ptr<litehtml::element> HtmlDocumentContainer::create_element(const litehtml::tchar_t*,
    const litehtml::string_map&, const std::shared_ptr<litehtml::document>&)
{
    return nullptr;
}

void HtmlDocumentContainer::get_media_features(litehtml::media_features& media) const
{
    media.type = litehtml::media_type_print;
    media.width = media.device_width = static_cast<int>(viewport_.width);
    media.height = media.device_height = static_cast<int>(viewport_.height);
    media.color = 8;
    media.color_index = 0;
    media.monochrome = 0;
    media.resolution = pixelsPerInch;
}

void HtmlDocumentContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const
{
    language = "en";
    culture.clear();
}

} // namespace platform::graphics

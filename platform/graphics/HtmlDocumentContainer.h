#pragma once

#include "graphics/Geometry.h"
#include "graphics/HtmlFonts.h"
#include "graphics/HtmlImages.h"
#include "graphics/HtmlPageSlices.h"
#include "graphics/HtmlTextRun.h"

#include <litehtml/litehtml.h>

namespace platform::graphics {

// What litehtml asks of its host while it lays a page out and draws it: fonts and text
// through HtmlFonts, pictures through HtmlImages, backgrounds, borders and list markers
// drawn with cairo, a print medium of a fixed width. Lengths are CSS pixels. Style
// sheets the page links to are not fetched; links and the cursor mean nothing on paper.
// Everything is drawn on the page slices given by setCanvas(), whatever handle litehtml
// passes along; words that follow one another on a line are drawn together
// (HtmlTextRun).
// Thread rule: one container serves one document on one thread.
class HtmlDocumentContainer final : public litehtml::document_container {
public:
    HtmlDocumentContainer(Size viewport, HtmlImages& images);

    void setCanvas(HtmlPageSlices& canvas) { canvas_ = &canvas; }

    litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight, litehtml::font_style italic,
        unsigned int decoration, litehtml::font_metrics* fm) override;
    void delete_font(litehtml::uint_ptr hFont) override;
    int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) override;
    void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
        litehtml::web_color color, const litehtml::position& pos) override;
    int pt_to_px(int pt) const override;
    int get_default_font_size() const override;
    const litehtml::tchar_t* get_default_font_name() const override;
    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
    void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool redraw_on_ready) override;
    void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz) override;
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& draw_pos,
        bool root) override;

    void set_caption(const litehtml::tchar_t* caption) override;
    void set_base_url(const litehtml::tchar_t* base_url) override;
    void link(const std::shared_ptr<litehtml::document>& doc, const litehtml::element::ptr& el) override;
    void on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr& el) override;
    void set_cursor(const litehtml::tchar_t* cursor) override;
    void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
    void import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring& baseurl) override;
    void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius, bool valid_x,
        bool valid_y) override;
    void del_clip() override;
    void get_client_rect(litehtml::position& client) const override;
    std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t* tag_name,
        const litehtml::string_map& attributes, const std::shared_ptr<litehtml::document>& doc) override;
    void get_media_features(litehtml::media_features& media) const override;
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

private:
    // Anything drawn after a word ends the line of words it could have joined.
    void draw(const litehtml::position& box, const HtmlPageSlices::Drawing& drawing);

    Size viewport_;
    HtmlImages& images_;
    HtmlFonts fonts_;
    HtmlPageSlices* canvas_ = nullptr;
    // The line of words the next word may join.
    std::shared_ptr<HtmlTextRun> run_;
};

} // namespace platform::graphics

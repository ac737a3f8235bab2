#include "graphics/HtmlTextRun.h"

#include <pango/pangocairo.h>

#include <cmath>

namespace platform::graphics {
namespace {

// The single left-to-right run of glyphs a piece of text shapes to, or nullptr.
const PangoGlyphItem* soleRun(PangoLayoutLine* line)
{
    if (!line || !line->runs || line->runs->next)
        return nullptr;
    const auto* run = static_cast<const PangoGlyphItem*>(line->runs->data);
    return run->item->analysis.level % 2 == 0 && run->glyphs->num_glyphs > 0 ? run : nullptr;
}

// Glyphs of shaped pieces of text put one after another into one run, in one font, with
// the text they stand for.
class GlyphJoiner {
public:
    GlyphJoiner() : glyphs_(pango_glyph_string_new()) {}
    ~GlyphJoiner()
    {
        if (item_)
            pango_item_free(item_);
        pango_glyph_string_free(glyphs_);
    }
    GlyphJoiner(const GlyphJoiner&) = delete;
    GlyphJoiner& operator=(const GlyphJoiner&) = delete;

    // False when the piece is not one left-to-right run in the font of the others.
    bool append(PangoLayoutLine* line)
    {
        const PangoGlyphItem* run = soleRun(line);
        if (!run || (item_ && run->item->analysis.font != item_->analysis.font))
            return false;
        if (!item_)
            item_ = pango_item_copy(run->item);
        const int offset = static_cast<int>(text_.size());
        text_.append(pango_layout_get_text(line->layout) + run->item->offset, static_cast<std::size_t>(run->item->length));
        const int start = glyphs_->num_glyphs;
        pango_glyph_string_set_size(glyphs_, start + run->glyphs->num_glyphs);
        for (int i = 0; i < run->glyphs->num_glyphs; ++i) {
            glyphs_->glyphs[start + i] = run->glyphs->glyphs[i];
            glyphs_->log_clusters[start + i] = run->glyphs->log_clusters[i] - run->item->offset + offset;
            pen_ += run->glyphs->glyphs[i].geometry.width;
        }
        return true;
    }

    // Widens the last glyph so that the next one starts `x` pixels from the first.
    void advanceTo(double x)
    {
        const int target = static_cast<int>(std::lround(x * PANGO_SCALE));
        glyphs_->glyphs[glyphs_->num_glyphs - 1].geometry.width += target - pen_;
        pen_ = target;
    }

    void draw(cairo_t* cairo)
    {
        item_->offset = 0;
        item_->length = static_cast<int>(text_.size());
        item_->num_chars = static_cast<int>(g_utf8_strlen(text_.data(), static_cast<gssize>(text_.size())));
        PangoGlyphItem joined = {};
        joined.item = item_;
        joined.glyphs = glyphs_;
        pango_cairo_show_glyph_item(cairo, text_.c_str(), &joined);
    }

private:
    std::string text_;
    PangoGlyphString* glyphs_;
    PangoItem* item_ = nullptr;
    int pen_ = 0;
};

} // namespace

HtmlTextRun::HtmlTextRun(HtmlFonts::Handle font, const Color& color, const Rect& box, std::string text)
    : font_(font)
    , color_(color)
    , box_(box)
    , words_{{box.minX(), box.maxX(), std::move(text)}}
{
}

bool HtmlTextRun::continuesWith(HtmlFonts::Handle font, const Color& color, const Rect& box) const
{
    return font == font_ && color == color_ && box.minY() == box_.minY() && box.height() == box_.height()
        && box.minX() >= words_.back().right;
}

void HtmlTextRun::append(const Rect& box, std::string text)
{
    words_.push_back({box.minX(), box.maxX(), std::move(text)});
}

void HtmlTextRun::draw(cairo_t* cairo, HtmlFonts& fonts) const
{
    cairo_set_source_rgba(cairo, color_.red, color_.green, color_.blue, color_.alpha);
    if (words_.size() > 1 && !fonts.isDecorated(font_) && drawJoined(cairo, fonts))
        return;
    for (const Word& word : words_)
        fonts.draw(cairo, word.text, font_, color_, {{word.x, box_.minY()}, {word.right - word.x, box_.height()}});
}

// Words that stand apart get a space glyph between them, so that the text reads as
// spaced both by its characters and by its look.
bool HtmlTextRun::drawJoined(cairo_t* cairo, HtmlFonts& fonts) const
{
    GlyphJoiner joiner;
    for (std::size_t i = 0; i < words_.size(); ++i) {
        if (i > 0 && words_[i].x > words_[i - 1].right && !joiner.append(fonts.shape(" ", font_)))
            return false;
        if (i > 0)
            joiner.advanceTo(words_[i].x - words_.front().x);
        if (!joiner.append(fonts.shape(words_[i].text, font_)))
            return false;
    }
    cairo_move_to(cairo, words_.front().x, box_.maxY() - fonts.descent(font_));
    joiner.draw(cairo);
    return true;
}

} // namespace platform::graphics

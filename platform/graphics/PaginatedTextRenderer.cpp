#include "graphics/PaginatedTextRenderer.h"

#include "graphics/PdfWriter.h"

#include <pango/pangocairo.h>

#include <memory>
#include <string>

namespace platform::graphics {
namespace {

std::string fontFor(const TextBlock& block)
{
    return block.style == TextBlock::Style::preformatted ? "DejaVu Sans Mono 9.5" : "DejaVu Sans 11";
}

double spaceAfter(const TextBlock& block)
{
    return block.style == TextBlock::Style::preformatted ? 0 : 7;
}

struct LayoutUnref {
    void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};

// Pango wants valid UTF-8; readers give it, but the renderer is the last line of defence.
std::string validText(const std::string& text)
{
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    std::string result(valid);
    g_free(valid);
    return result;
}

} // namespace

bool PaginatedTextRenderer::hasRoomForText(Size pageSize)
{
    return pageSize.width > 2 * margin + 36 && pageSize.height > 2 * margin + 40;
}

PaginatedTextRenderer::PaginatedTextRenderer(Size pageSize)
    : pageSize_(pageSize)
{
}

std::optional<std::vector<std::uint8_t>> PaginatedTextRenderer::render(const std::vector<TextBlock>& blocks)
{
    if (!hasRoomForText(pageSize_))
        return std::nullopt;
    PdfWriter writer;
    newPage(writer);
    std::unique_ptr<PangoLayout, LayoutUnref> layout(pango_cairo_create_layout(writer.context()));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
    for (const TextBlock& block : blocks)
        renderBlock(writer, layout.get(), block);
    return writer.finish();
}

void PaginatedTextRenderer::renderBlock(PdfWriter& writer, PangoLayout* layout, const TextBlock& block)
{
    PangoFontDescription* font = pango_font_description_from_string(fontFor(block).c_str());
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_width(layout, static_cast<int>((pageSize_.width - 2 * margin) * PANGO_SCALE));
    pango_layout_set_text(layout, validText(block.text).c_str(), -1);
    drawLines(writer, layout, margin);
    y_ += spaceAfter(block);
}

void PaginatedTextRenderer::drawLines(PdfWriter& writer, PangoLayout* layout, double x)
{
    cairo_t* cr = writer.context();
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(iter, nullptr, &logical);
        const double lineHeight = static_cast<double>(logical.height) / PANGO_SCALE;
        const double baseline = static_cast<double>(pango_layout_iter_get_baseline(iter) - logical.y) / PANGO_SCALE;
        if (y_ + lineHeight > pageSize_.height - margin && y_ > margin)
            newPage(writer);
        cairo_move_to(cr, x + static_cast<double>(logical.x) / PANGO_SCALE, y_ + baseline);
        pango_cairo_show_layout_line(cr, pango_layout_iter_get_line_readonly(iter));
        y_ += lineHeight;
    } while (pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
}

void PaginatedTextRenderer::newPage(PdfWriter& writer)
{
    writer.beginPage(pageSize_);
    y_ = margin;
}

} // namespace platform::graphics

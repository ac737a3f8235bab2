#include "graphics/PaginatedTextRenderer.h"

#include <pango/pangocairo.h>

#include <string>

namespace platform::graphics {
namespace {

// Some twenty lines of the column. Pango needs memory for every character it lays out at
// once and walks the layout's text for every line it draws, so a long line is laid out
// in windows of this size.
constexpr std::size_t layoutWindow = 2048;

std::string fontFor(TextBlock::Style style)
{
    return style == TextBlock::Style::preformatted ? "DejaVu Sans Mono 9.5" : "DejaVu Sans 11";
}

double spaceAfter(TextBlock::Style style)
{
    return style == TextBlock::Style::preformatted ? 0 : 7;
}

// Pango wants valid UTF-8; readers give it, but the renderer is the last line of defence.
std::string validText(const std::string& text)
{
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr))
        return text;
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    std::string result(valid);
    g_free(valid);
    return result;
}

// At most `size` bytes of the text, ending on a character boundary.
std::string_view windowOf(std::string_view text, std::size_t size)
{
    if (text.size() <= size)
        return text;
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
        --size;
    return text.substr(0, size);
}

} // namespace

bool PaginatedTextRenderer::hasRoomForText(Size pageSize)
{
    return pageSize.width > 2 * margin + 36 && pageSize.height > 2 * margin + 40;
}

PaginatedTextRenderer::PaginatedTextRenderer(Size pageSize)
    : pageSize_(pageSize)
{
    newPage();
    layout_ = pango_cairo_create_layout(writer_.context());
    pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
    pango_layout_set_width(layout_, static_cast<int>((pageSize_.width - 2 * margin) * PANGO_SCALE));
}

PaginatedTextRenderer::~PaginatedTextRenderer()
{
    g_object_unref(layout_);
}

std::optional<std::vector<std::uint8_t>> PaginatedTextRenderer::render(const std::vector<TextBlock>& blocks)
{
    for (const TextBlock& block : blocks)
        add(block);
    return finish();
}

std::optional<std::vector<std::uint8_t>> PaginatedTextRenderer::finish()
{
    if (!hasRoomForText(pageSize_))
        return std::nullopt;
    flush();
    return writer_.finish();
}

// Preformatted lines have no space between them, so consecutive ones are laid out
// together, as paragraphs of one layout; that shapes them many at a time.
void PaginatedTextRenderer::add(const TextBlock& block)
{
    if (!hasRoomForText(pageSize_))
        return;
    const bool joins = pendingStyle_ == TextBlock::Style::preformatted && block.style == TextBlock::Style::preformatted
        && pending_.size() < layoutWindow;
    if (!joins)
        flush();
    else
        pending_ += '\n';
    pending_ += validText(block.text);
    pendingStyle_ = block.style;
}

void PaginatedTextRenderer::flush()
{
    if (!pendingStyle_)
        return;
    const TextBlock::Style style = *pendingStyle_;
    PangoFontDescription* font = pango_font_description_from_string(fontFor(style).c_str());
    pango_layout_set_font_description(layout_, font);
    pango_font_description_free(font);
    // Each window's last line may go on in the next window: it is laid out again there,
    // so lines break where they would in one layout of the whole text.
    for (std::string_view rest = pending_;;) {
        const std::string_view window = windowOf(rest, layoutWindow);
        pango_layout_set_text(layout_, window.data(), static_cast<int>(window.size()));
        const bool last = window.size() == rest.size();
        rest.remove_prefix(drawLines(!last));
        if (last)
            break;
    }
    y_ += spaceAfter(style);
    pending_.clear();
    pendingStyle_.reset();
}

// Draws the layout's lines, all of them or all but the last; answers the bytes of text
// drawn.
std::size_t PaginatedTextRenderer::drawLines(bool keepLastLine)
{
    cairo_t* cr = writer_.context();
    const int lines = pango_layout_get_line_count(layout_);
    PangoLayoutIter* iter = pango_layout_get_iter(layout_);
    std::size_t drawn = 0;
    for (int index = 0; index < lines; ++index, pango_layout_iter_next_line(iter)) {
        PangoLayoutLine* line = pango_layout_iter_get_line_readonly(iter);
        if (keepLastLine && index == lines - 1 && line->start_index > 0) {
            drawn = static_cast<std::size_t>(line->start_index);
            break;
        }
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(iter, nullptr, &logical);
        const double lineHeight = static_cast<double>(logical.height) / PANGO_SCALE;
        const double baseline = static_cast<double>(pango_layout_iter_get_baseline(iter) - logical.y) / PANGO_SCALE;
        if (y_ + lineHeight > pageSize_.height - margin && y_ > margin)
            newPage();
        cairo_move_to(cr, margin + static_cast<double>(logical.x) / PANGO_SCALE, y_ + baseline);
        pango_cairo_show_layout_line(cr, line);
        y_ += lineHeight;
        drawn = static_cast<std::size_t>(line->start_index + line->length);
    }
    pango_layout_iter_free(iter);
    return drawn;
}

void PaginatedTextRenderer::newPage()
{
    writer_.beginPage(pageSize_);
    y_ = margin;
}

} // namespace platform::graphics

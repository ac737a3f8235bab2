#include "graphics/PdfWriter.h"

#include <cairo-pdf.h>
#include <cairo.h>

namespace platform::graphics {
namespace {

cairo_status_t appendToBuffer(void* closure, const unsigned char* data, unsigned int length)
{
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

PdfWriter::PdfWriter()
    : surface_(cairo_pdf_surface_create_for_stream(appendToBuffer, &bytes_, 1, 1))
    , context_(cairo_create(surface_))
{
}

PdfWriter::~PdfWriter()
{
    cairo_destroy(context_);
    cairo_surface_destroy(surface_);
}

void PdfWriter::beginPage(Size size)
{
    if (pageCount_ > 0)
        cairo_show_page(context_);
    if (size.isEmpty() || size.width > maxPageSide || size.height > maxPageSide) {
        failed_ = true;
        size = {1, 1};
    }
    cairo_pdf_surface_set_size(surface_, size.width, size.height);
    pageSize_ = size;
    ++pageCount_;
}

void PdfWriter::drawImage(const Image& image, const Rect& rect)
{
    if (image.pixelWidth() <= 0 || image.pixelHeight() <= 0 || rect.size.isEmpty())
        return;
    cairo_save(context_);
    cairo_translate(context_, rect.minX(), rect.minY());
    cairo_scale(context_, rect.width() / image.pixelWidth(), rect.height() / image.pixelHeight());
    cairo_set_source_surface(context_, image.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(context_), CAIRO_FILTER_GOOD);
    cairo_paint(context_);
    cairo_restore(context_);
}

std::optional<std::vector<std::uint8_t>> PdfWriter::finish()
{
    if (pageCount_ == 0 || failed_ || cairo_status(context_) != CAIRO_STATUS_SUCCESS)
        return std::nullopt;
    cairo_show_page(context_);
    cairo_surface_finish(surface_);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS || bytes_.empty())
        return std::nullopt;
    return std::move(bytes_);
}

} // namespace platform::graphics

#include "graphics/PdfDocument.h"

#include <cairo.h>
#include <poppler.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

namespace platform::graphics {
namespace {

struct PageHolder {
    explicit PageHolder(PopplerPage* page)
        : page(page)
    {
    }
    ~PageHolder()
    {
        if (page)
            g_object_unref(page);
    }
    PageHolder(const PageHolder&) = delete;
    PageHolder& operator=(const PageHolder&) = delete;
    PopplerPage* page;
};

} // namespace

std::unique_ptr<PdfDocument> PdfDocument::open(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return nullptr;
    GBytes* data = g_bytes_new(bytes.data(), bytes.size());
    GError* error = nullptr;
    PopplerDocument* document = poppler_document_new_from_bytes(data, nullptr, &error);
    g_bytes_unref(data);
    g_clear_error(&error);
    if (!document)
        return nullptr;
    return std::unique_ptr<PdfDocument>(new PdfDocument(document));
}

std::unique_ptr<PdfDocument> PdfDocument::openFile(const std::filesystem::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return nullptr;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    return open(bytes);
}

PdfDocument::PdfDocument(PopplerDocument* document)
    : document_(document)
{
}

PdfDocument::~PdfDocument()
{
    g_object_unref(document_);
}

int PdfDocument::pageCount() const
{
    return poppler_document_get_n_pages(document_);
}

std::optional<Size> PdfDocument::pageSize(int index) const
{
    if (index < 0 || index >= pageCount())
        return std::nullopt;
    PageHolder holder(poppler_document_get_page(document_, index));
    if (!holder.page)
        return std::nullopt;
    Size size;
    poppler_page_get_size(holder.page, &size.width, &size.height);
    return size;
}

ImagePtr PdfDocument::renderPage(int index, double scale) const
{
    const auto size = pageSize(index);
    if (!size || scale <= 0)
        return nullptr;
    const double width = std::ceil(size->width * scale);
    const double height = std::ceil(size->height * scale);
    if (width < 1 || height < 1 || width * height > static_cast<double>(maxRenderedPixels))
        return nullptr;
    PageHolder holder(poppler_document_get_page(document_, index));
    auto image = std::make_shared<Image>(static_cast<int>(width), static_cast<int>(height), scale);
    if (!holder.page || cairo_surface_status(image->surface()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    cairo_t* cr = cairo_create(image->surface());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    poppler_page_render(holder.page, cr);
    cairo_destroy(cr);
    cairo_surface_flush(image->surface());
    return image;
}

} // namespace platform::graphics

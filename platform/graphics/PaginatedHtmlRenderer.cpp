#include "graphics/PaginatedHtmlRenderer.h"

#include "graphics/HtmlDocumentContainer.h"
#include "graphics/HtmlNesting.h"
#include "graphics/HtmlPageBreaks.h"
#include "graphics/HtmlPageSlices.h"
#include "graphics/HtmlStyleSheet.h"
#include "graphics/PaginatedTextRenderer.h"
#include "graphics/PdfWriter.h"

#include <cairo.h>

namespace platform::graphics {
namespace {

constexpr double pointsPerPixel = 72.0 / 96.0;
constexpr double margin = PaginatedTextRenderer::margin;

} // namespace

PaginatedHtmlRenderer::PaginatedHtmlRenderer(Size pageSize, std::filesystem::path folder)
    : pageSize_(pageSize)
    , folder_(std::move(folder))
{
}

Size PaginatedHtmlRenderer::column() const
{
    return {(pageSize_.width - 2 * margin) / pointsPerPixel, (pageSize_.height - 2 * margin) / pointsPerPixel};
}

std::optional<std::vector<std::uint8_t>> PaginatedHtmlRenderer::render(const std::string& html) const
{
    if (!PaginatedTextRenderer::hasRoomForText(pageSize_) || HtmlNesting::depth(html) > maxNestingDepth)
        return std::nullopt;
    const int width = static_cast<int>(column().width);
    const int pageHeight = static_cast<int>(column().height);
    HtmlImages images(folder_);
    HtmlDocumentContainer container(column(), images);
    litehtml::context context;
    context.load_master_stylesheet(std::string(HtmlStyleSheet::userAgent()).c_str());
    const litehtml::document::ptr document = litehtml::document::createFromUTF8(html.c_str(), &container, &context);
    if (!document)
        return std::nullopt;
    document->render(width);
    // Breaks only ever move up, so this many pages at the least.
    if (document->height() / pageHeight >= maxPages)
        return std::nullopt;
    const std::vector<int> tops = HtmlPageBreaks::pageTops(document->root(), document->height(), pageHeight);
    if (tops.size() > maxPages)
        return std::nullopt;
    // Wide content may run into the side margins.
    HtmlPageSlices slices(tops, pageHeight, width, margin / pointsPerPixel);
    container.setCanvas(slices);
    document->draw(0, 0, 0, nullptr);
    return writePages(slices);
}

std::optional<std::vector<std::uint8_t>> PaginatedHtmlRenderer::writePages(const HtmlPageSlices& slices) const
{
    PdfWriter writer;
    for (std::size_t page = 0; page < slices.pageCount(); ++page) {
        writer.beginPage(pageSize_);
        cairo_t* cairo = writer.context();
        // With the whole page painted first, cairo keeps one rectangle as the page's
        // drawn area instead of merging the box of every word into it, which cost as
        // much as the drawing itself.
        cairo_set_source_rgb(cairo, 1, 1, 1);
        cairo_paint(cairo);
        cairo_save(cairo);
        cairo_translate(cairo, margin, margin);
        cairo_scale(cairo, pointsPerPixel, pointsPerPixel);
        slices.paintPage(page, cairo);
        cairo_restore(cairo);
    }
    return writer.finish();
}

} // namespace platform::graphics

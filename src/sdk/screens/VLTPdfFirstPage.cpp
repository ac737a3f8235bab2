#include "sdk/screens/VLTPdfFirstPage.h"

#include "graphics/PdfDocument.h"

#include <algorithm>

namespace {

// Tiny pages are not blown up past this many pixels per point.
constexpr double maximumScale = 4;

} // namespace

platform::graphics::ImagePtr VLTPdfFirstPage::render(const std::string& path)
{
    if (path.empty()) {
        return nullptr;
    }
    const auto document = platform::graphics::PdfDocument::openFile(path);
    // A damaged page tree may count a page that cannot be loaded.
    const auto pageSize = document ? document->pageSize(0) : std::nullopt;
    if (!pageSize) {
        return nullptr;
    }
    const double pageWidth = std::max(1.0, pageSize->width);
    return document->renderPage(0, std::min(renderedWidth / pageWidth, maximumScale));
}

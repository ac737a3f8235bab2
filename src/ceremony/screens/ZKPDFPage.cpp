#include "ceremony/screens/ZKPDFPage.h"

#include "fields/ZKElementView.h"
#include "fields/ZKFieldSettingsOpener.h"
#include "graphics/PdfDocument.h"

#include <algorithm>
#include <cmath>

using platform::graphics::Color;

ZKPDFPage::ZKPDFPage(std::shared_ptr<const platform::graphics::PdfDocument> document, int pageIndex)
    : document_(std::move(document)), pageIndex_(pageIndex)
{
    setBackgroundColor(Color::white());
    layer().setBorderColor(Color::systemGray4());
    layer().setBorderWidth(0.5);
}

void ZKPDFPage::settingsAction()
{
    ZKFieldSettingsOpener::installed().showForElementView(ZKElementView::editedElementView());
}

void ZKPDFPage::draw(platform::graphics::DrawingContext& context) const
{
    View::draw(context);
    if (const auto& image = pageImage()) {
        context.drawImage(*image, bounds());
    }
}

const platform::graphics::ImagePtr& ZKPDFPage::pageImage() const
{
    if (rendered_ || !document_) {
        return image_;
    }
    rendered_ = true;
    const auto size = document_->pageSize(pageIndex_);
    if (!size || size->width <= 0 || size->height <= 0) {
        return image_;
    }
    // A huge page is drawn coarser rather than not at all.
    const double limit = std::sqrt(static_cast<double>(platform::graphics::PdfDocument::maxRenderedPixels) /
                                   (size->width * size->height));
    image_ = document_->renderPage(pageIndex_, std::min(renderScale, limit));
    return image_;
}

#pragma once

#include "graphics/Image.h"
#include "ui/View.h"

#include <memory>

namespace platform::graphics {
class PdfDocument;
}

// One page of the shown document, at one point per page point, with the element views of
// its fields laid over it. The page is drawn from the PDF the first time it is shown.
// Main thread only.
class ZKPDFPage : public platform::ui::View {
public:
    // Pixels per point the page is drawn at: sharp when zoomed in a little.
    static constexpr double renderScale = 2;

    ZKPDFPage(std::shared_ptr<const platform::graphics::PdfDocument> document, int pageIndex);

    int pageIndex() const { return pageIndex_; }

    // Opens the settings screen of the edited element view.
    void settingsAction();

    void draw(platform::graphics::DrawingContext& context) const override;

private:
    const platform::graphics::ImagePtr& pageImage() const;

    std::shared_ptr<const platform::graphics::PdfDocument> document_;
    int pageIndex_;
    // Drawn on first use; a page that cannot be drawn stays white.
    mutable platform::graphics::ImagePtr image_;
    mutable bool rendered_ = false;
};

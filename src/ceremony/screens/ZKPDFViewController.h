#pragma once

#include "ceremony/screens/ZKPDFPageStack.h"
#include "ceremony/screens/ZKPrepareFormFieldDelegate.h"
#include "fields/ZKElementViewDelegate.h"
#include "ui/ScrollView.h"
#include "ui/ViewController.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::graphics {
class PdfDocument;
}

class ZKElement;
class ZKElementView;
class ZKMainViewController;
class ZKPDFPage;
class ZKTransaction;

// The hub's page viewer: the pages of the shown document, drawn from the stored PDF one
// under the other in a scroll view, zoomed to the viewer's width, with the element views
// of their fields laid over them. As the designer panel's delegate it turns palette items
// dropped or tapped onto it into new fields of the hub's current signer. Main thread only.
//
// The marked signature is the signature new non-signature fields belong to. It is set
// when a signature is created here and when a placed field begins a position edit (the
// field's own signature, or the field itself when it is a signature). It is cleared when
// it is deleted (deleteSignature), when another signer is picked in the panel, and when
// another document is shown, since a field belongs to a signature of its own document.
// Without a marked signature a dropped or tapped non-signature item makes no field.
class ZKPDFViewController : public platform::ui::ViewController,
                            public ZKPrepareFormFieldDelegate,
                            public ZKElementViewDelegate {
public:
    static constexpr double minimumZoomScale = 0.1;
    static constexpr double maximumZoomScale = 4;

    std::shared_ptr<ZKMainViewController> mainViewController() const { return mainViewController_.lock(); }
    void setMainViewController(const std::weak_ptr<ZKMainViewController>& hub) { mainViewController_ = hub; }

    // Shows the document at `documentIndex` of the transaction (held weakly): its pages
    // from the PDF stored in the transaction's folder, and its fields, in design mode for a
    // draft. A document without a readable PDF shows no page; fields of pages the PDF does
    // not have are not shown.
    void showDocumentOfTransaction(const std::shared_ptr<ZKTransaction>& transaction, int documentIndex);

    const std::shared_ptr<platform::ui::ScrollView>& scrollView() const { return scrollView_; }
    const std::vector<std::shared_ptr<ZKPDFPage>>& pages() const { return pages_; }
    const ZKPDFPageStack& pageStack() const { return stack_; }

    // Screen points per document point. It follows the viewer's width until it is set.
    double zoomScale() const { return zoomScale_; }
    // Kept between minimumZoomScale and maximumZoomScale.
    void setZoomScale(double scale);
    platform::graphics::Point contentOffset() const { return scrollView_->contentOffset(); }
    // Room kept free at the viewer's left edge for what lies over it there: the pages
    // start to its right and the zoom that follows the width fits them beside it.
    void setLeftInset(double inset);
    // Kept within the pages.
    void setContentOffset(const platform::graphics::Point& offset);

    std::shared_ptr<ZKElement> markedSignature() const { return markedSignature_.lock(); }
    std::vector<std::shared_ptr<ZKElementView>> elementViews() const;
    // Lays a view of the element over its page; null when its page is not shown.
    std::shared_ptr<ZKElementView> addElementView(const std::shared_ptr<ZKElement>& element);
    // Where a frame in document coordinates lands: the page and the frame on it.
    std::optional<ZKPDFPageStack::Placement> placementOf(const platform::graphics::Rect& documentFrame) const;

    // Deletes the marked signature with the fields that belong to it, clears the mark and
    // makes the panel offer the signature alone.
    void deleteSignature();

    void userDidBeginDraggingFormField(const std::shared_ptr<ZKPrepareFormField>& field) override;
    void userDidReleaseFormFieldFieldFrameViewToConvertLocationFrom(
        const std::shared_ptr<ZKPrepareFormField>& field, const platform::graphics::Rect& frame,
        const std::shared_ptr<platform::ui::View>& view) override;
    void userDidTapOnFormFieldViewToConvertLocationFrom(const std::shared_ptr<ZKPrepareFormField>& field,
                                                        const std::shared_ptr<platform::ui::View>& view) override;
    void userDidSelectNewParticipantAtIndex(long index) override;

    void elementViewDidBeginPositionEdit(ZKElementView& elementView) override;

    void loadView() override;
    void viewDidLayoutSubviews() override;

private:
    void createField(const ZKPrepareFormField& field, const platform::graphics::Rect& documentFrame);
    std::shared_ptr<ZKElement> markedSignatureOfCurrentSigner() const;
    std::size_t elementCountOnPage(std::size_t pageIndex) const;
    std::shared_ptr<ZKElement> signatureOf(const ZKElement& element) const;
    void tellPanelToEnableNonPrimaryFields(bool enable) const;
    void clearPages();
    void applyZoom();
    // The part of the viewer the pages may show in: its size, and where its top-left
    // corner lies in content coordinates.
    platform::graphics::Size visibleSize() const;
    platform::graphics::Point visibleOrigin() const;

    std::weak_ptr<ZKMainViewController> mainViewController_;
    std::weak_ptr<ZKTransaction> transaction_;
    int documentIndex_ = 0;
    std::shared_ptr<const platform::graphics::PdfDocument> pdf_;
    ZKPDFPageStack stack_{{}};
    std::shared_ptr<platform::ui::ScrollView> scrollView_;
    std::shared_ptr<platform::ui::View> pagesView_;
    std::vector<std::shared_ptr<ZKPDFPage>> pages_;
    double zoomScale_ = 1;
    bool zoomFollowsWidth_ = true;
    std::weak_ptr<ZKElement> markedSignature_;
};

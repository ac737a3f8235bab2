#include "ceremony/screens/ZKPDFViewController.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKNewFieldPlacement.h"
#include "ceremony/screens/ZKPDFPage.h"
#include "ceremony/screens/ZKPrepareFormFieldPanel.h"
#include "designer/ZKPrepareFormField.h"
#include "fields/ZKElementView.h"
#include "fields/ZKElementViewFactory.h"
#include "graphics/PdfDocument.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "store/ZKFileManager.h"
#include "support/ZKScreen.h"

#include <algorithm>
#include <filesystem>

using platform::graphics::Color;
using platform::graphics::Point;
using platform::graphics::Rect;

namespace {

constexpr const char* signatureType = "SIGNATURE";

// The stored PDF of a document; nothing for a name that would lead out of the folder.
std::shared_ptr<const platform::graphics::PdfDocument> openStoredPdf(const ZKTransaction& transaction,
                                                                      const ZKDocument& document)
{
    const std::filesystem::path name(document.fileName());
    if (name.empty() || name != name.filename() || name == "." || name == "..") {
        return nullptr;
    }
    const std::filesystem::path folder = ZKFileManager::folderPathForTransactionWithGUID(transaction.guid());
    return platform::graphics::PdfDocument::openFile(folder / name);
}

std::vector<platform::graphics::Size> pageSizesOf(const platform::graphics::PdfDocument* pdf)
{
    std::vector<platform::graphics::Size> sizes;
    for (int index = 0; pdf && index < pdf->pageCount(); ++index) {
        // A damaged page tree may count a page it cannot load; the pages end there.
        const auto size = pdf->pageSize(index);
        if (!size) {
            break;
        }
        sizes.push_back(*size);
    }
    return sizes;
}

} // namespace

void ZKPDFViewController::loadView()
{
    auto root = std::make_shared<platform::ui::View>();
    root->setBackgroundColor(Color::systemGray6());
    scrollView_ = std::make_shared<platform::ui::ScrollView>();
    pagesView_ = std::make_shared<platform::ui::View>();
    scrollView_->addSubview(pagesView_);
    root->addSubview(scrollView_);
    setView(root);
}

void ZKPDFViewController::viewDidLayoutSubviews()
{
    scrollView_->setFrame(view()->bounds());
    applyZoom();
}

void ZKPDFViewController::showDocumentOfTransaction(const std::shared_ptr<ZKTransaction>& transaction,
                                                    int documentIndex)
{
    loadViewIfNeeded();
    clearPages();
    transaction_ = transaction;
    documentIndex_ = documentIndex;
    markedSignature_.reset();
    if (!transaction || documentIndex < 0 || documentIndex >= static_cast<int>(transaction->documents().size())) {
        applyZoom();
        return;
    }
    const auto& document = transaction->documents()[static_cast<std::size_t>(documentIndex)];
    pdf_ = openStoredPdf(*transaction, *document);
    stack_ = ZKPDFPageStack(pageSizesOf(pdf_.get()));
    for (std::size_t index = 0; index < stack_.pageFrames().size(); ++index) {
        auto page = std::make_shared<ZKPDFPage>(pdf_, static_cast<int>(index));
        page->setFrame(stack_.pageFrames()[index]);
        pagesView_->addSubview(page);
        pages_.push_back(page);
    }
    for (const auto& element : document->elements()) {
        addElementView(element);
    }
    applyZoom();
}

void ZKPDFViewController::clearPages()
{
    for (const auto& page : pages_) {
        page->removeFromSuperview();
    }
    pages_.clear();
    pdf_.reset();
    stack_ = ZKPDFPageStack({});
}

void ZKPDFViewController::setZoomScale(double scale)
{
    zoomFollowsWidth_ = false;
    zoomScale_ = std::clamp(scale, minimumZoomScale, maximumZoomScale);
    applyZoom();
}

void ZKPDFViewController::applyZoom()
{
    if (!scrollView_) {
        return;
    }
    const auto content = stack_.contentSize();
    const double width = visibleSize().width;
    if (zoomFollowsWidth_ && content.width > 0 && width > 0) {
        zoomScale_ = std::clamp(width / content.width, minimumZoomScale, maximumZoomScale);
    }
    pagesView_->setTransform(platform::graphics::AffineTransform::identity());
    pagesView_->setBounds(platform::graphics::makeRect(0, 0, content.width, content.height));
    pagesView_->setTransform(platform::graphics::AffineTransform::scale(zoomScale_, zoomScale_));
    pagesView_->setCenter({content.width * zoomScale_ / 2, content.height * zoomScale_ / 2});
    scrollView_->setContentSize({content.width * zoomScale_, content.height * zoomScale_});
}

void ZKPDFViewController::setLeftInset(double inset)
{
    loadViewIfNeeded();
    auto insets = scrollView_->contentInset();
    insets.left = inset;
    scrollView_->setContentInset(insets);
    applyZoom();
}

platform::graphics::Size ZKPDFViewController::visibleSize() const
{
    const auto size = scrollView_->bounds().size;
    return {std::max(0.0, size.width - scrollView_->contentInset().left), size.height};
}

Point ZKPDFViewController::visibleOrigin() const
{
    const auto offset = contentOffset();
    return {offset.x + scrollView_->contentInset().left, offset.y};
}

void ZKPDFViewController::setContentOffset(const Point& offset)
{
    loadViewIfNeeded();
    scrollView_->setContentOffset(scrollView_->clampedOffset(offset));
}

std::vector<std::shared_ptr<ZKElementView>> ZKPDFViewController::elementViews() const
{
    std::vector<std::shared_ptr<ZKElementView>> views;
    for (const auto& page : pages_) {
        for (const auto& subview : page->subviews()) {
            if (auto view = std::dynamic_pointer_cast<ZKElementView>(subview)) {
                views.push_back(std::move(view));
            }
        }
    }
    return views;
}

std::shared_ptr<ZKElementView> ZKPDFViewController::addElementView(const std::shared_ptr<ZKElement>& element)
{
    if (!element || element->page() < 0 || element->page() >= static_cast<int>(pages_.size())) {
        return nullptr;
    }
    auto view = ZKElementViewFactory::elementViewForElement(element);
    const auto transaction = transaction_.lock();
    view->setDesignMode(transaction && transaction->draft());
    view->setDelegate(std::dynamic_pointer_cast<ZKElementViewDelegate>(shared_from_this()));
    pages_[static_cast<std::size_t>(element->page())]->addSubview(view);
    return view;
}

std::optional<ZKPDFPageStack::Placement> ZKPDFViewController::placementOf(const Rect& documentFrame) const
{
    return stack_.placementOf(documentFrame);
}

void ZKPDFViewController::deleteSignature()
{
    const auto signature = markedSignature();
    const auto document = signature ? signature->document() : nullptr;
    if (document) {
        std::vector<std::shared_ptr<ZKElement>> doomed;
        for (const auto& element : document->elements()) {
            if (element == signature || element->approval() == signature->ident()) {
                doomed.push_back(element);
            }
        }
        for (const auto& view : elementViews()) {
            if (std::find(doomed.begin(), doomed.end(), view->element()) != doomed.end()) {
                view->removeFromSuperview();
            }
        }
        for (const auto& element : doomed) {
            document->removeElement(element);
        }
        if (const auto transaction = document->transaction()) {
            transaction->setLocal();
        }
    }
    markedSignature_.reset();
    tellPanelToEnableNonPrimaryFields(false);
}

void ZKPDFViewController::userDidBeginDraggingFormField(const std::shared_ptr<ZKPrepareFormField>&)
{
    if (const auto edited = ZKElementView::editedElementView()) {
        edited->removeHandlers();
    }
}

void ZKPDFViewController::userDidReleaseFormFieldFieldFrameViewToConvertLocationFrom(
    const std::shared_ptr<ZKPrepareFormField>& field, const Rect& frame, const std::shared_ptr<platform::ui::View>& view)
{
    if (!field) {
        return;
    }
    const Rect inViewer = this->view()->convertRectFrom(frame, view.get());
    createField(*field, ZKNewFieldPlacement::releasedFrame(inViewer, contentOffset(), zoomScale_,
                                                          ZKScreen::isInLanscapeOrientation(), field->fieldType()));
}

void ZKPDFViewController::userDidTapOnFormFieldViewToConvertLocationFrom(
    const std::shared_ptr<ZKPrepareFormField>& field, const std::shared_ptr<platform::ui::View>&)
{
    if (!field) {
        return;
    }
    const auto size = visibleSize();
    const auto origin = visibleOrigin();
    const auto& type = field->fieldType();
    const Rect first = ZKNewFieldPlacement::tappedFrame(size, origin, zoomScale_, type, 0);
    const auto page = stack_.pageIndexNearestTo(first.midY());
    if (!page) {
        return;
    }
    createField(*field, ZKNewFieldPlacement::tappedFrame(size, origin, zoomScale_, type,
                                                         elementCountOnPage(*page)));
}

void ZKPDFViewController::userDidSelectNewParticipantAtIndex(long index)
{
    markedSignature_.reset();
    if (const auto hub = mainViewController()) {
        hub->setCurrentSignerIndex(static_cast<int>(index));
    }
}

void ZKPDFViewController::elementViewDidBeginPositionEdit(ZKElementView& elementView)
{
    if (const auto& element = elementView.element()) {
        if (auto signature = signatureOf(*element)) {
            markedSignature_ = signature;
        }
    }
    tellPanelToEnableNonPrimaryFields(true);
}

void ZKPDFViewController::createField(const ZKPrepareFormField& field, const Rect& documentFrame)
{
    std::optional<std::string> signatureIdent;
    if (!field.isPrimaryFieldType()) {
        const auto signature = markedSignatureOfCurrentSigner();
        if (!signature) {
            return;
        }
        signatureIdent = signature->ident();
    }
    const auto element = ZKCTouchManager::sharedInstance()->createElementFromTypeWithAutofillValueForSignatureIdentWithScreenFrame(
        field.fieldType(), field.fieldAutofill(), signatureIdent, documentFrame);
    if (element && element->type() == signatureType) {
        markedSignature_ = element;
    }
}

// A field of another signer may be marked while a signer is picked in the panel; a new
// field belongs to the signer it is created for, so that mark counts as none.
std::shared_ptr<ZKElement> ZKPDFViewController::markedSignatureOfCurrentSigner() const
{
    const auto signature = markedSignature();
    const auto hub = mainViewController();
    const auto signer = hub ? hub->currentSigner() : nullptr;
    if (!signature || !signer) {
        return nullptr;
    }
    const auto& roles = signature->roles();
    return std::find(roles.begin(), roles.end(), signer->uid()) != roles.end() ? signature : nullptr;
}

std::size_t ZKPDFViewController::elementCountOnPage(std::size_t pageIndex) const
{
    const auto transaction = transaction_.lock();
    if (!transaction || documentIndex_ < 0 || documentIndex_ >= static_cast<int>(transaction->documents().size())) {
        return 0;
    }
    const auto& elements = transaction->documents()[static_cast<std::size_t>(documentIndex_)]->elements();
    return static_cast<std::size_t>(std::count_if(elements.begin(), elements.end(), [pageIndex](const auto& element) {
        return element->page() == static_cast<int>(pageIndex);
    }));
}

std::shared_ptr<ZKElement> ZKPDFViewController::signatureOf(const ZKElement& element) const
{
    const auto document = element.document();
    if (!document) {
        return nullptr;
    }
    for (const auto& candidate : document->elements()) {
        const bool isSelf = candidate.get() == &element;
        if (candidate->type() == signatureType &&
            (isSelf || (element.approval() && candidate->ident() == *element.approval()))) {
            return candidate;
        }
    }
    return nullptr;
}

void ZKPDFViewController::tellPanelToEnableNonPrimaryFields(bool enable) const
{
    const auto hub = mainViewController();
    if (const auto panel = hub ? hub->formFieldVC() : nullptr) {
        panel->setShouldEnableNonPrimaryFormFields(enable);
    }
}

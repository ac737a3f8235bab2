#include "ceremony/screens/ZKCTouchManager.h"

#include "DataManager/ZKTransactionManager.h"
#include "ceremony/CeremonyFlow.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "ceremony/screens/ZKStoryboardUniversal.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "foundation/SharedInstances.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "ui/Storyboard.h"

namespace {

constexpr const char* signatureType = "SIGNATURE";

} // namespace

std::shared_ptr<ZKCTouchManager> ZKCTouchManager::sharedInstance()
{
    return platform::SharedInstance<ZKCTouchManager>::get();
}

void ZKCTouchManager::showTransactionOnViewController(const std::shared_ptr<ZKTransaction>& transaction,
                                                      const std::shared_ptr<platform::ui::ViewController>& root)
{
    if (mainVController_ && mainVController_->presentingViewController()) {
        mainVController_->dismiss(false);
    }
    const bool ceremony = transaction && !transaction->draft();
    if (ceremony) {
        CeremonyFlow::sharedInstance()->buildStepsForTransaction(transaction);
    }
    mainVController_ = std::dynamic_pointer_cast<ZKMainViewController>(
        ZKStoryboardUniversal::named()->instantiateViewController(ZKStoryboardUniversal::mainScene));
    if (!mainVController_) {
        return;
    }
    mainVController_->setTransaction(transaction);
    if (root) {
        mainVController_->setModalPresentationStyle(platform::ui::ModalPresentationStyle::fullScreen);
        root->present(mainVController_, true);
    }
    if (ceremony) {
        CeremonyFlow::sharedInstance()->start();
    }
}

void ZKCTouchManager::reloadTransaction(const std::shared_ptr<ZKTransaction>& transaction)
{
    if (!mainVController_) {
        return;
    }
    const bool ceremony = transaction && !transaction->draft();
    if (ceremony) {
        CeremonyFlow::sharedInstance()->buildStepsForTransaction(transaction);
    }
    mainVController_->setTransaction(transaction);
    if (ceremony) {
        CeremonyFlow::sharedInstance()->start();
    }
}

std::shared_ptr<ZKElement> ZKCTouchManager::createElementFromTypeWithAutofillValueForSignatureIdentWithScreenFrame(
    const std::string& type, const std::optional<std::string>& autofillValue,
    const std::optional<std::string>& signatureIdent, const platform::graphics::Rect& frame)
{
    const auto hub = mainVController_;
    const auto transaction = hub ? hub->transaction() : nullptr;
    const auto signer = hub ? hub->currentSigner() : nullptr;
    const bool signature = type == signatureType;
    if (!transaction || !signer || (!signature && !signatureIdent)) {
        return nullptr;
    }
    const auto& viewer = hub->pdfViewController();
    const auto placement = viewer ? viewer->placementOf(frame) : std::nullopt;
    if (!placement) {
        return nullptr;
    }
    auto element = ZKElement::createElementFromTypeForApprovalForRolesWithAutofillValueWithFrameInDocumentIndexAndPageNumberForTransaction(
        type, signatureIdent, {signer->uid()}, autofillValue, placement->frame, hub->documentIndex(),
        static_cast<int>(placement->pageIndex), transaction);
    if (!element) {
        return nullptr;
    }
    if (signature) {
        element->setApproval(element->ident());
    }
    transaction->setLocal();
    viewer->addElementView(element);
    return element;
}

void ZKCTouchManager::unloadCocoaTouchAnimated(bool animated)
{
    const auto hub = std::move(mainVController_);
    // A draft's screens close back into the composer, which shows the draft as stored now.
    const auto shown = hub ? hub->transaction() : nullptr;
    if (shown && shown->draft()) {
        VLTNewTransactionViewModel::sharedInstance()->reloadTransaction();
    }
    const auto report = [handler = exitHandler_] {
        if (handler) {
            handler(ZKTransactionManager::sharedInstance()->interfaceDictionary());
        }
    };
    if (!hub || !hub->presentingViewController()) {
        report();
        return;
    }
    hub->presentingViewController()->dismiss(animated, report);
}

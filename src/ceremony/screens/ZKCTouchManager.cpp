#include "ceremony/screens/ZKCTouchManager.h"

#include "DataManager/ZKTransactionManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "foundation/SharedInstances.h"
#include "model/ZKTransaction.h"

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
    mainVController_ = std::make_shared<ZKMainViewController>();
    mainVController_->setTransaction(transaction);
    if (!root) {
        return;
    }
    mainVController_->setModalPresentationStyle(platform::ui::ModalPresentationStyle::fullScreen);
    root->present(mainVController_, true);
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

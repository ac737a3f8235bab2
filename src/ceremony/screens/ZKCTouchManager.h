#pragma once

#include "foundation/Dictionary.h"

#include <functional>
#include <memory>

namespace platform::ui {
class ViewController;
}

class ZKMainViewController;
class ZKTransaction;

// The ceremony session controller: shows a transaction on the hub screen, presented on
// the host's root view controller, and closes the SDK's screens again. Main thread only.
class ZKCTouchManager {
public:
    // Tells the host that the SDK's screens closed, with the current transaction's summary.
    using ExitHandler = std::function<void(const Dictionary& transactionInfo)>;

    static std::shared_ptr<ZKCTouchManager> sharedInstance();

    std::shared_ptr<ZKMainViewController> mainVController() const { return mainVController_; }

    void setExitHandler(ExitHandler handler) { exitHandler_ = std::move(handler); }

    // Presents the hub for the transaction on `root` (full screen, animated); without a
    // root the hub is made but not shown.
    void showTransactionOnViewController(const std::shared_ptr<ZKTransaction>& transaction,
                                         const std::shared_ptr<platform::ui::ViewController>& root);

    // Dismisses what the SDK presented, then tells the exit handler. Closing a draft's hub
    // also reloads the new-transaction model's transaction for the composer below it.
    void unloadCocoaTouchAnimated(bool animated);

private:
    std::shared_ptr<ZKMainViewController> mainVController_;
    ExitHandler exitHandler_;
};

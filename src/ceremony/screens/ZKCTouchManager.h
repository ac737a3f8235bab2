#pragma once

#include "foundation/Dictionary.h"
#include "graphics/Geometry.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform::ui {
class ViewController;
}

class ZKElement;
class ZKMainViewController;
class ZKTransaction;

// The ceremony session controller: shows a transaction on the hub screen, presented on
// the host's root view controller, makes the fields placed on it, and closes the SDK's
// screens again. One shared instance, reset with platform::SharedInstances; main thread
// only.
class ZKCTouchManager {
public:
    // Tells the host that the SDK's screens closed, with the current transaction's summary.
    using ExitHandler = std::function<void(const Dictionary& transactionInfo)>;

    static std::shared_ptr<ZKCTouchManager> sharedInstance();

    std::shared_ptr<ZKMainViewController> mainVController() const { return mainVController_; }

    void setExitHandler(ExitHandler handler) { exitHandler_ = std::move(handler); }

    // Presents a new hub from "ZKStoryboard_Universal" for the transaction on `root` (full
    // screen, animated), closing one shown before; without a root the hub is made but not
    // shown. A transaction that is not a draft is signed in the ceremony's steps, which
    // start once the hub is up.
    void showTransactionOnViewController(const std::shared_ptr<ZKTransaction>& transaction,
                                         const std::shared_ptr<platform::ui::ViewController>& root);
    // Fills the shown hub with the transaction again, as after a draft was sent: the
    // ceremony's steps are built for a transaction that is no longer a draft before the
    // hub reloads and start after it.
    void reloadTransaction(const std::shared_ptr<ZKTransaction>& transaction);

    // Makes a field of the type (with its autofill value) for the hub's current signer at
    // `frame`, given in the hub's viewer's document coordinates, on the page that frame
    // lands on, saves it and lays it over its page. A signature belongs to itself (its
    // approval is its own ident); any other field to the signature `signatureIdent`, and
    // without one nothing is made. Null also without a hub, a current signer or a page.
    std::shared_ptr<ZKElement> createElementFromTypeWithAutofillValueForSignatureIdentWithScreenFrame(
        const std::string& type, const std::optional<std::string>& autofillValue,
        const std::optional<std::string>& signatureIdent, const platform::graphics::Rect& frame);

    // Dismisses what the SDK presented, then tells the exit handler. Closing a draft's hub
    // also reloads the new-transaction model's transaction for the composer below it.
    void unloadCocoaTouchAnimated(bool animated);

private:
    std::shared_ptr<ZKMainViewController> mainVController_;
    ExitHandler exitHandler_;
};

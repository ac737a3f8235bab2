#pragma once

#include "foundation/Dictionary.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {
class ViewController;
}

class VeltraDelegate;
class ZKTransaction;

// What the host-side builders, the composer's model and its screens ask of the facade
// above them: the host's delegate and root controller, the facade's fetches, the hub for
// a started draft, the way out of the SDK and the PDF opened into the host. The facade
// installs its own at start-up. Until then there is no host delegate, root controller,
// opened PDF or embargoed code, fetches answer an empty dictionary (callers read what the
// store holds) and nothing is shown or closed. Installed once before use and used on the
// main thread.
class VTFacadeServices {
public:
    // {"data": payload}, {"error": error}, or the plain transaction dictionary (see Veltra).
    using Callback = std::function<void(const Dictionary&)>;

    virtual ~VTFacadeServices() = default;

    static VTFacadeServices& installed();
    static void install(std::shared_ptr<VTFacadeServices> services);

    virtual std::shared_ptr<VeltraDelegate> delegate() const;
    virtual std::vector<std::string> embargoedCallingCodes() const;
    virtual void preFetchTransactionWithGUIDAndCallback(const std::string& guid, const Callback& callback);
    virtual void transactionWithGUIDCachedWithCallback(const std::string& guid, bool cached,
                                                       const Callback& callback);
    // Shows the transaction on the ceremony's hub, presented on the host's root controller.
    virtual void showTransactionOnCeremonyScreens(const std::shared_ptr<ZKTransaction>& transaction);
    // The host controller on which the SDK's screens are shown.
    virtual std::shared_ptr<platform::ui::ViewController> rootViewController() const;
    // Closes the SDK's screens; the host hears didExitSDK.
    virtual void exitSDK();
    // The PDF that another application opened into the host.
    virtual std::optional<std::string> previewLoadPath() const;
};

#pragma once

#include "foundation/Dictionary.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class VeltraDelegate;
class ZKTransaction;

// What the host-side builders and the composer's model ask of the facade above them: the
// host's delegate, the facade's fetches, and the hub for a started draft. The facade
// installs its own at start-up. Until then there is no host delegate and no embargoed
// code, fetches answer an empty dictionary (callers read what the store holds) and
// nothing is shown. Installed once before use and used on the main thread.
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
};

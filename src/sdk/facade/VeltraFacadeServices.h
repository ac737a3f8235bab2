#pragma once

#include "sdk/VTFacadeServices.h"

// The facade's answers to the layers below it: each call goes to the facade of the moment
// (Veltra::dashboard()), so it holds nothing and outlives every reset. Main thread only.
class VeltraFacadeServices : public VTFacadeServices {
public:
    std::shared_ptr<VeltraDelegate> delegate() const override;
    std::vector<std::string> embargoedCallingCodes() const override;
    void preFetchTransactionWithGUIDAndCallback(const std::string& guid, const Callback& callback) override;
    void transactionWithGUIDCachedWithCallback(const std::string& guid, bool cached,
                                               const Callback& callback) override;
    void showTransactionOnCeremonyScreens(const std::shared_ptr<ZKTransaction>& transaction) override;
    std::shared_ptr<platform::ui::ViewController> rootViewController() const override;
    void exitSDK() override;
    std::optional<std::string> previewLoadPath() const override;
};

#pragma once

#include "designer/screens/ZKElementViewSettingsViewController.h"
#include "designer/screens/ZKFieldSettingsTopBar.h"
#include "ui/Label.h"

#include <memory>

// The settings of a date field (element view ZKDateInputField). So far the screen only
// opens with its field and goes back by Cancel. Main thread only.
class ZKDateInputSettingsViewController : public ZKElementViewSettingsViewController {
public:
    static constexpr const char* screenNameReported = "Date Field Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromDateSettingsToMainPageSDK";

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;

    void closeBtnAction(platform::ui::Control& sender);
    // Back to the hub with no sender.
    void unwindNavigation();

    std::weak_ptr<platform::ui::View> statusBar;
    std::weak_ptr<platform::ui::Label> errorLabel;

    const std::shared_ptr<ZKFieldSettingsTopBar>& topBar() const { return topBar_; }

private:
    std::shared_ptr<ZKFieldSettingsTopBar> topBar_;
};

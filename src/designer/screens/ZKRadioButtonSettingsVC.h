#pragma once

#include "designer/screens/ZKFieldSettingsFormViewController.h"

// The settings of a radio button (element view ZKRadio), the top of a navigation
// controller. So far the screen only opens with its field and goes back by Cancel.
// Main thread only.
class ZKRadioButtonSettingsVC : public ZKFieldSettingsFormViewController {
public:
    static constexpr const char* screenNameReported = "Radio Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromRadioSettingsToMainPageSDK";

    ZKRadioButtonSettingsVC() : ZKFieldSettingsFormViewController("Radio Settings") {}

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void populateFields() override {}
    // The screen has nothing to write yet; Save is not offered.
    void saveButtonTapped(platform::ui::Control& sender) override { (void)sender; }

protected:
    const char* screenName() const override { return screenNameReported; }
    const char* unwindSegue() const override { return unwindSegueIdentifier; }
    void makeControls(ZKFieldSettingsForm& form) override { (void)form; }
};

#pragma once

#include "designer/screens/ZKTextSettingsViewController.h"
#include "support/LocalizedSDK.h"
#include "ui/Button.h"

// The settings of a one-line text field (element view ZKTextField): name, default value,
// maximum length, required and read-only. Main thread only.
class ZKTextFieldSettingsVC : public ZKTextSettingsViewController {
public:
    static constexpr const char* screenNameReported = "Text Field Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromTextFieldSettingsToMainPageSDK";

    ZKTextFieldSettingsVC() : ZKTextSettingsViewController(localizableKey("Text Field Settings")) {}

    void clearButtonTapped(platform::ui::Control& sender);

    std::shared_ptr<platform::ui::TextField> defaultValueTextField = ZKFieldSettingsForm::makeTextField(defaultValueTag);
    std::shared_ptr<platform::ui::Switch> readOnlySwitch = ZKFieldSettingsForm::makeSwitch();
    std::shared_ptr<platform::ui::Button> clearButton = ZKFieldSettingsForm::makeClearButton();

protected:
    const char* screenName() const override { return screenNameReported; }
    const char* unwindSegue() const override { return unwindSegueIdentifier; }
    void addDefaultValueControl(ZKFieldSettingsForm& form) override;
    void addOtherControls(ZKFieldSettingsForm& form) override;
    platform::ui::View& defaultValueControl() const override { return *defaultValueTextField; }
    std::string defaultValueText() const override { return defaultValueTextField->text(); }
    void showDefaultValue(const std::string& value) override { defaultValueTextField->setText(value); }
    void populateOtherFields(const ZKElement& element) override;
    void writeOtherValues(ZKElement& element) override;
    bool reportsSaveBeforeChecks() const override { return false; }
};

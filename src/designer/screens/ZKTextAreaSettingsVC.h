#pragma once

#include "designer/screens/ZKTextSettingsViewController.h"
#include "support/LocalizedSDK.h"
#include "ui/Button.h"
#include "ui/TextView.h"

// The settings of a multi-line text area (element view ZKTextArea): name, default value
// over several lines, maximum length and required. Main thread only.
class ZKTextAreaSettingsVC : public ZKTextSettingsViewController {
public:
    static constexpr const char* screenNameReported = "Text Area Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromTextAreaSettingsToMainPageSDK";
    static constexpr double defaultValueHeight = 120;
    // Where the form scrolls in landscape while the default value is typed, so that it
    // stays above the keyboard.
    static constexpr double landscapeEditingOffset = 100;

    ZKTextAreaSettingsVC() : ZKTextSettingsViewController(localizableKey("Text Area Settings")) {}

    void clearTextAreaButtonTapped(platform::ui::Control& sender);
    void handleKeyboardDidShowNotification(const platform::Notification& notification) override;

    std::shared_ptr<platform::ui::TextView> defaultValueTextView = ZKFieldSettingsForm::makeTextView();
    std::shared_ptr<platform::ui::Button> clearTextAreaButton = ZKFieldSettingsForm::makeClearButton();

protected:
    const char* screenName() const override { return screenNameReported; }
    const char* unwindSegue() const override { return unwindSegueIdentifier; }
    void addDefaultValueControl(ZKFieldSettingsForm& form) override;
    // A text view, whose Return key types a line break.
    platform::ui::View& defaultValueControl() const override { return *defaultValueTextView; }
    std::string defaultValueText() const override { return defaultValueTextView->text(); }
    void showDefaultValue(const std::string& value) override { defaultValueTextView->setText(value); }
    bool reportsSaveBeforeChecks() const override { return true; }
};

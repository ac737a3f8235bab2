#pragma once

#include "designer/screens/ZKFieldSettingsFormViewController.h"
#include "support/LocalizedSDK.h"
#include "ui/Button.h"
#include "ui/TextField.h"

// The settings of a label (element view ZKLabel), fixed text printed on the page: its
// name and its text, each saved trimmed of spaces and tabs. Saving always succeeds; the
// screen writes no validation. Main thread only.
class ZKLabelSettingsVC : public ZKFieldSettingsFormViewController {
public:
    static constexpr const char* screenNameReported = "Label Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromLabelSettingsToMainPageSDK";

    ZKLabelSettingsVC() : ZKFieldSettingsFormViewController(localizableKey("Label Settings")) {}

    void populateFields() override;
    void saveButtonTapped(platform::ui::Control& sender) override;
    void returnButtonTapped(platform::ui::Control& sender);
    void textFieldEditingDidBegin(platform::ui::Control& sender);
    void clearButtonTapped(platform::ui::Control& sender);

    std::shared_ptr<platform::ui::TextField> nameTextField = ZKFieldSettingsForm::makeTextField(1);
    std::shared_ptr<platform::ui::TextField> valueTextField = ZKFieldSettingsForm::makeTextField(2);
    std::shared_ptr<platform::ui::Button> clearButton = ZKFieldSettingsForm::makeClearButton();

protected:
    const char* screenName() const override { return screenNameReported; }
    const char* unwindSegue() const override { return unwindSegueIdentifier; }
    bool writesValidation() const override { return false; }
    void makeControls(ZKFieldSettingsForm& form) override;
};

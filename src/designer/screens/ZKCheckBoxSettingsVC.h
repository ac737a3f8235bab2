#pragma once

#include "designer/screens/ZKFieldSettingsFormViewController.h"
#include "support/LocalizedSDK.h"
#include "ui/Switch.h"
#include "ui/TextField.h"

// The settings of a check box (element view ZKCheckBox): name, checked by default, and
// required. A check box checked by default holds "1", one unchecked "". Main thread only.
class ZKCheckBoxSettingsVC : public ZKFieldSettingsFormViewController {
public:
    static constexpr const char* screenNameReported = "Checkbox Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromCheckBoxSettingsToMainPageSDK";
    static constexpr const char* checkedContent = "1";

    ZKCheckBoxSettingsVC() : ZKFieldSettingsFormViewController(localizableKey("Checkbox Settings")) {}

    void populateFields() override;
    void saveButtonTapped(platform::ui::Control& sender) override;
    void returnButtonTapped(platform::ui::Control& sender);
    void nameTextFieldEditingDidBegin(platform::ui::Control& sender);

    std::shared_ptr<platform::ui::TextField> nameTextField = ZKFieldSettingsForm::makeTextField(1);
    std::shared_ptr<platform::ui::Switch> defaultValueSwitch = ZKFieldSettingsForm::makeSwitch();
    std::shared_ptr<platform::ui::Switch> isRequiredSwitch = ZKFieldSettingsForm::makeSwitch();

protected:
    const char* screenName() const override { return screenNameReported; }
    const char* unwindSegue() const override { return unwindSegueIdentifier; }
    void makeControls(ZKFieldSettingsForm& form) override;
};

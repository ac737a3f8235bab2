#pragma once

#include "designer/screens/ZKFieldSettingsFormViewController.h"
#include "designer/screens/ZKRadioGroupSettingsVCDelegate.h"
#include "support/LocalizedSDK.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Switch.h"
#include "ui/TextField.h"

#include <memory>
#include <string>
#include <vector>

// The settings of a radio button (element view ZKRadio), the top of a navigation
// controller: name, checked by default, required, and its group (the first entry of the
// validation's enumeration), picked on the group list pushed over the screen. Every
// button is in the group "default" until another is picked; the remove button puts it
// back there.
//
// A group picked or added on the list is written at once and stays when the sender then
// cancels; Save writes the rest. A button saved as checked unchecks the other buttons of
// its group on the same signature and document. Main thread only.
class ZKRadioButtonSettingsVC : public ZKFieldSettingsFormViewController, public ZKRadioGroupSettingsVCDelegate {
public:
    static constexpr const char* screenNameReported = "Radio Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromRadioSettingsToMainPageSDK";
    static constexpr const char* groupsSegueIdentifier = "fromRadioButtonSettingsToRadioGroupsSDK";
    static constexpr const char* unwindFromGroupsAction = "unwindToRadioSettingsVC";
    static constexpr const char* defaultGroup = "default";
    static constexpr const char* checkedContent = "X";
    // The arrow's glyph while the group is "default".
    static constexpr const char* arrowGlyph = "B";

    ZKRadioButtonSettingsVC() : ZKFieldSettingsFormViewController(localizableKey("Radio Settings")) {}

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void populateFields() override;
    void saveButtonTapped(platform::ui::Control& sender) override;
    void arrowRightButtonTapped(platform::ui::Control& sender);
    void removeButtonTapped(platform::ui::Control& sender);
    void returnButtonTapped(platform::ui::Control& sender);
    void nameEditingDidBegin(platform::ui::Control& sender);
    void manageGroupButtons();
    // The first index of `groups` whose entry equals the name in lower case; -1 for none.
    int indexForRadioGroupName(const std::string& name) const;
    void prepareForSegue(platform::ui::StoryboardSegue& segue, const std::shared_ptr<void>& sender) override;
    void unwindToRadioSettingsVC(platform::ui::StoryboardSegue& segue);

    void userDidSelectGroup(const std::string& name) override;
    void userDidDeleteGroupAtIndex(int index) override;
    void userDidAddNewGroup(const std::string& name) override;

    std::shared_ptr<platform::ui::TextField> nameTextField = ZKFieldSettingsForm::makeTextField(1);
    std::shared_ptr<platform::ui::Switch> defaultValueSwitch = ZKFieldSettingsForm::makeSwitch();
    std::shared_ptr<platform::ui::Switch> isRequiredSwitch = ZKFieldSettingsForm::makeSwitch();
    // The group a save writes.
    std::shared_ptr<platform::ui::Label> radioGroupNameLabel;
    std::shared_ptr<platform::ui::Button> arrowRightButton;
    std::shared_ptr<platform::ui::Button> removeButton;
    // The groups offered; the group list edits this very list.
    std::shared_ptr<std::vector<std::string>> groups = std::make_shared<std::vector<std::string>>();

protected:
    const char* screenName() const override { return screenNameReported; }
    const char* unwindSegue() const override { return unwindSegueIdentifier; }
    void makeControls(ZKFieldSettingsForm& form) override;

private:
    std::shared_ptr<platform::ui::View> makeGroupRow();
    void wireControls();
    void offerGroupsOf(const ZKElement& element);
    std::string shownGroup() const;
};

#pragma once

#include "designer/screens/ZKFieldSettingsFormViewController.h"
#include "support/LocalizedSDK.h"
#include "ui/Button.h"
#include "ui/Switch.h"
#include "ui/TextField.h"
#include "ui/TextView.h"

#include <string>
#include <vector>

// The settings of a drop-down list (element view ZKList): name, default value, the items
// one per line, and required. Save keeps the non-empty lines, each trimmed of spaces and
// tabs, as the items, and refuses a default value that is none of them. Main thread only.
class ZKListViewSettingsVC : public ZKFieldSettingsFormViewController, public platform::ui::TextViewDelegate {
public:
    static constexpr const char* screenNameReported = "List Settings Page";
    static constexpr const char* unwindSegueIdentifier = "unwindFromListViewSettingsToMainPageSDK";
    static constexpr const char* defaultNotAnItemMessage = localizableKey("Default value must be empty or one of the list items.");
    static constexpr double listHeight = 150;
    // Where the form scrolls in landscape while the items are typed.
    static constexpr double landscapeEditingOffset = 160;

    enum Tag : int { nameTag = 1, defaultValueTag = 2 };

    ZKListViewSettingsVC() : ZKFieldSettingsFormViewController(localizableKey("List Settings")) {}

    void viewDidLayoutSubviews() override;
    void populateFields() override;
    void saveButtonTapped(platform::ui::Control& sender) override;
    void returnButtonTapped(platform::ui::Control& sender);
    void nameTextFieldDidBeginEditing(platform::ui::Control& sender);
    void clearButtonTapped(platform::ui::Control& sender);

    void textViewDidBeginEditing(platform::ui::TextView& textView) override;
    bool textViewShouldEndEditing(platform::ui::TextView& textView) override;
    void textViewDidEndEditing(platform::ui::TextView& textView) override;

    // The items of the text: its lines without the empty ones, each trimmed of spaces and
    // tabs (a line of blanks only so gives an empty item).
    static std::vector<std::string> itemsFromText(const std::string& text);

    std::shared_ptr<platform::ui::TextField> nameTextField = ZKFieldSettingsForm::makeTextField(nameTag);
    std::shared_ptr<platform::ui::TextField> defaultValueTextField = ZKFieldSettingsForm::makeTextField(defaultValueTag);
    std::shared_ptr<platform::ui::TextView> listTextView = ZKFieldSettingsForm::makeTextView();
    // The hint over the empty item list.
    std::shared_ptr<platform::ui::View> listHelpOverlayView;
    std::shared_ptr<platform::ui::Switch> isRequiredSwitch = ZKFieldSettingsForm::makeSwitch();
    std::shared_ptr<platform::ui::Button> clearButton = ZKFieldSettingsForm::makeClearButton();

protected:
    const char* screenName() const override { return screenNameReported; }
    const char* unwindSegue() const override { return unwindSegueIdentifier; }
    void makeControls(ZKFieldSettingsForm& form) override;

private:
    void makeHelpOverlay();
    void showHelpOverlayIfEmpty();
    void wireControls();
    // Answers whether the values are stored.
    bool writeValues(const std::shared_ptr<ZKElement>& field, const std::string& defaultValue,
                     std::vector<std::string> items);
};

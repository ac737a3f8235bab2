#pragma once

#include "designer/screens/ZKFieldSettingsFormViewController.h"
#include "ui/Switch.h"
#include "ui/TextField.h"

#include <memory>
#include <string>

// What the text field and text area settings screens share: the name, the required flag
// and the maximum length beside a default value of their own kind of control. Save checks
// the maximum length and that the default value fits within it; when both hold it writes
// the name (only once the name field was edited), the default value as the content, the
// required flag and the limit (none for an empty entry), saves the element and shows the
// default value on the page. Main thread only.
class ZKTextSettingsViewController : public ZKFieldSettingsFormViewController {
public:
    // The Return-key tags of the controls.
    enum Tag : int { nameTag = 1, defaultValueTag = 2, maxLengthTag = 3 };

    void populateFields() override;
    void saveButtonTapped(platform::ui::Control& sender) override;
    void nameEditingDidBegin(platform::ui::Control& sender);
    // Moves the focus on by the sender's tag: from the name to the default value, from a
    // one-line default value to the maximum length; Return in the maximum length closes
    // the keyboard.
    void returnButtonTapped(platform::ui::Control& sender);

    std::shared_ptr<platform::ui::TextField> nameTextField = ZKFieldSettingsForm::makeTextField(nameTag);
    std::shared_ptr<platform::ui::TextField> maxLengthTextField = ZKFieldSettingsForm::makeTextField(maxLengthTag);
    std::shared_ptr<platform::ui::Switch> isRequiredSwitch = ZKFieldSettingsForm::makeSwitch();

protected:
    using ZKFieldSettingsFormViewController::ZKFieldSettingsFormViewController;

    // Adds the controls, the default value's between the name and the maximum length,
    // and wires the name field and the Return key.
    void makeControls(ZKFieldSettingsForm& form) override;
    virtual void addDefaultValueControl(ZKFieldSettingsForm& form) = 0;
    virtual platform::ui::View& defaultValueControl() const = 0;
    // Adds what the screen has besides the shared controls, below them.
    virtual void addOtherControls(ZKFieldSettingsForm& form) { (void)form; }
    virtual std::string defaultValueText() const = 0;
    virtual void showDefaultValue(const std::string& value) = 0;
    // Fills and writes what the screen has besides the shared values.
    virtual void populateOtherFields(const ZKElement& element) { (void)element; }
    virtual void writeOtherValues(ZKElement& element) { (void)element; }
    // Whether "Save button" is reported before the checks rather than once they passed.
    virtual bool reportsSaveBeforeChecks() const = 0;

    void wireReturnKey(platform::ui::TextField& field);
    // An edit of the field takes away a shown message once the values pass its check.
    void recheckWhenEdited(platform::ui::TextField& field);
    void hideMessageOnceCorrected();

private:
    void writeValues(ZKElement& element, const std::optional<int>& limit);
    void showContentOnPage() const;
};

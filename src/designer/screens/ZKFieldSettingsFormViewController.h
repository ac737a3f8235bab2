#pragma once

#include "ceremony/screens/ZKFieldSettingsScreen.h"
#include "designer/screens/ZKFieldSettingsForm.h"
#include "designer/screens/ZKFieldSettingsTopBar.h"
#include "ui/Label.h"
#include "ui/ScrollView.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/ViewController.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {
struct Notification;
}

class ZKElement;
class ZKElementView;

// What the field settings screens of a form share: the field they configure (handed over
// by the hub before they show), a strip behind the status bar, the top bar with Cancel
// and Save, a scrolling form with a line for a validation message above it, the keyboard
// insets and a tap anywhere to close the keyboard. Each screen makes its controls,
// fills them from the element and writes them back on Save; Cancel writes nothing. Both
// leave through the screen's unwind segue to the hub. Main thread only.
//
// Loading runs, in this order: the keyboard observers, the tap recogniser, populating
// the controls (skipped without an element view), making sure the element has a
// validation record (screens that write none skip it), the status bar strip turned black
// on devices without a notch, and the screen's name reported. Populating therefore sees
// elements that have no validation record yet.
class ZKFieldSettingsFormViewController : public platform::ui::ViewController, public ZKFieldSettingsScreen {
public:
    void setElementView(const std::weak_ptr<ZKElementView>& view) override { elementView = view; }

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    platform::ui::StatusBarStyle preferredStatusBarStyle() const override
    {
        return platform::ui::StatusBarStyle::lightContent;
    }
    platform::ui::OrientationMask supportedInterfaceOrientations() const override
    {
        return platform::ui::OrientationMask::all;
    }

    // Actions.
    virtual void saveButtonTapped(platform::ui::Control& sender) = 0;
    void closeButtonTapped(platform::ui::Control& sender);
    void handleTapGesture();
    void dismissKeyboard();
    virtual void handleKeyboardDidShowNotification(const platform::Notification& notification);
    void handleKeyboardWillHideNotification(const platform::Notification& notification);
    // Fills the controls from the element.
    virtual void populateFields() = 0;

    // The field being configured; its element is what Save writes.
    std::weak_ptr<ZKElementView> elementView;
    std::weak_ptr<platform::ui::View> statusBar;
    std::weak_ptr<platform::ui::ScrollView> scrollView;
    // The validation message; hidden while there is none.
    std::weak_ptr<platform::ui::Label> errorLabel;
    std::shared_ptr<platform::ui::TapGestureRecognizer> tapGesture =
        std::make_shared<platform::ui::TapGestureRecognizer>();
    // The sender began editing the name field.
    bool updateField = false;

    const std::shared_ptr<ZKFieldSettingsTopBar>& topBar() const { return topBar_; }

protected:
    explicit ZKFieldSettingsFormViewController(std::string title) : title_(std::move(title)) {}

    // Adds the screen's controls to the form.
    virtual void makeControls(ZKFieldSettingsForm& form) = 0;
    virtual const char* screenName() const = 0;
    virtual const char* unwindSegue() const = 0;
    // Whether the screen writes into the element's validation record, which loading then
    // creates when the element has none.
    virtual bool writesValidation() const { return true; }

    std::shared_ptr<ZKElement> element() const;
    // The name field's text for the element: its name, unless that is empty or the
    // generated one (equal to its ident).
    static std::string nameToShow(const ZKElement& element);

    // Shows the message looked up in "LocalizableSDK" with the key.
    void showValidationMessage(const std::string& key);
    void hideValidationMessage();
    // Back to the hub, through the screen's unwind segue with the screen as sender.
    void unwindToHub();

private:
    void revealEditedEntry(platform::ui::ScrollView& scroll);
    void makeBody(platform::ui::View& root);
    void wireActions();
    void observeKeyboard();

    std::string title_;
    std::shared_ptr<ZKFieldSettingsTopBar> topBar_;
    std::unique_ptr<ZKFieldSettingsForm> form_;
};

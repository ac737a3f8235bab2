#pragma once

#include "foundation/NotificationCenter.h"
#include "signers/screens/SignerSetupColumn.h"
#include "signers/screens/SignerSetupPage.h"
#include "ui/Button.h"
#include "ui/ScrollView.h"
#include "ui/TapGestureRecognizer.h"

#include <memory>
#include <string>
#include <vector>

// A signer-setup page whose fields sit one under the other in a scroll view, with an Add
// button (the icon font's "C") on the top bar. The keyboard never covers the fields: the
// scroll view's bottom inset follows it. A tap beside the fields ends editing. Main
// thread only.
class SignerSetupFormPage : public SignerSetupPage {
public:
    void keyboardDidShow(const platform::Notification& notification);
    void keyboardWillHide();
    void handleTapGesture();

    std::shared_ptr<platform::ui::TapGestureRecognizer> tapGesture;

    // Outlets.
    std::weak_ptr<platform::ui::ScrollView> scrollView;
    std::weak_ptr<platform::ui::Button> addButton;

protected:
    explicit SignerSetupFormPage(std::string title);

    // Adds the page's fields to the scroll view.
    virtual void makeForm(platform::ui::ScrollView& form) = 0;
    // The fields in their order down the page.
    virtual std::vector<SignerSetupColumn::Item> formItems() const = 0;
    // Follows the keyboard, ends editing on a tap beside the fields, and sends the taps
    // of the bar's buttons to the actions.
    void wireFormActions(platform::ui::Control::Action add, platform::ui::Control::Action back);

private:
    void makeContent(platform::ui::View& root) override;
    void layoutContent(const platform::graphics::Rect& area) override;

    std::shared_ptr<platform::ui::ScrollView> scrollView_;
};

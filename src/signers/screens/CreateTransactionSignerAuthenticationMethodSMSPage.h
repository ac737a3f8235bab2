#pragma once

#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPageDelegate.h"
#include "signers/screens/SignerSetupFormPage.h"
#include "ui/Label.h"
#include "ui/TextField.h"

#include <memory>
#include <optional>
#include <string>

class SignerSetupTextBox;

// The page on which the sender protects one recipient with a code sent by SMS. The
// mobile number is checked on every keystroke (a national number is read as one of the
// United States) and laid out again as it is typed; the Add button shows only while the
// number is acceptable, and hands it back, as shown, into the picker and the picker's
// opener before the page returns to the picker. Main thread only.
class CreateTransactionSignerAuthenticationMethodSMSPage : public SignerSetupFormPage {
public:
    static constexpr const char* kCountryCode = "US";
    static constexpr double kShakeDuration = 0.3;
    static constexpr double kShakeMovement = 12;

    CreateTransactionSignerAuthenticationMethodSMSPage();

    // The picker's method until an add succeeds, then the number handed back.
    const std::optional<SignerAuthenticationMethod>& authenticationMethod() const { return authenticationMethod_; }
    void setAuthenticationMethod(const std::optional<SignerAuthenticationMethod>& authenticationMethod)
    {
        authenticationMethod_ = authenticationMethod;
    }
    // The picker, held weakly.
    std::shared_ptr<CreateTransactionSignerAuthenticationMethodSMSPageDelegate> delegate() const
    {
        return delegate_.lock();
    }
    void setDelegate(const std::weak_ptr<CreateTransactionSignerAuthenticationMethodSMSPageDelegate>& delegate)
    {
        delegate_ = delegate;
    }

    void viewDidLoad() override;
    // Whether the number in the field is acceptable. Sets or clears the error text;
    // with `animateUI` also shows the indicator in the result's colour and shakes the
    // field on a failure.
    bool validateCellPhoneNumber(bool animateUI);

    // Actions.
    void textFieldTextDidChange(platform::ui::Control& sender);
    void textFieldDidEndEditing(platform::ui::Control& sender);
    void returnButtonTapped(platform::ui::Control& sender);
    void addButtonTapped(platform::ui::Control& sender);
    void backButtonTapped(platform::ui::Control& sender);

    // Outlets (the scroll view and the Add button are the form's).
    std::weak_ptr<platform::ui::View> cellPhoneView;
    std::weak_ptr<platform::ui::View> cellPhoneStatusIndicator;
    std::weak_ptr<platform::ui::TextField> cellPhoneTextField;
    std::weak_ptr<platform::ui::Label> errorLabel;

private:
    void makeForm(platform::ui::ScrollView& form) override;
    std::vector<SignerSetupColumn::Item> formItems() const override;
    void wireActions();
    void populate();
    void showStatus(const platform::graphics::Color& color);
    void showAcceptable(bool acceptable);
    bool refuseEmbargoedLayout();
    void reformat();
    void handBack(const std::string& phoneNumber);

    std::optional<SignerAuthenticationMethod> authenticationMethod_;
    std::weak_ptr<CreateTransactionSignerAuthenticationMethodSMSPageDelegate> delegate_;
    std::shared_ptr<platform::ui::Label> caption_;
    std::shared_ptr<SignerSetupTextBox> cellPhoneBox_;
    std::shared_ptr<platform::ui::Label> errorLabel_;
    // The field's text as the page last laid it out.
    std::string laidOutText_;
};

#pragma once

#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPageDelegate.h"
#include "signers/screens/SignerSetupFormPage.h"
#include "ui/Switch.h"
#include "ui/TextField.h"

#include <array>
#include <memory>
#include <optional>

class SignerSetupSwitchRow;
class SignerSetupTextBox;

// The page on which the sender protects one recipient with two security questions, each
// with a switch that masks its answer. The new-transaction model checks the pairs; the
// fields it finds wanting are marked and shaken. An accepted pair goes, exactly as typed,
// into the picker and the picker's opener before the page returns to the picker. The Add
// button shows from the first edit on. Main thread only.
class CreateTransactionSignerAuthenticationMethodQAPage : public SignerSetupFormPage {
public:
    static constexpr double kShakeDuration = 0.3;
    static constexpr double kShakeMovement = 12;

    CreateTransactionSignerAuthenticationMethodQAPage();

    // The picker, held weakly.
    std::shared_ptr<CreateTransactionSignerAuthenticationMethodQAPageDelegate> delegate() const
    {
        return delegate_.lock();
    }
    void setDelegate(const std::weak_ptr<CreateTransactionSignerAuthenticationMethodQAPageDelegate>& delegate)
    {
        delegate_ = delegate;
    }
    // The picker's method until an add succeeds, then the pairs handed back.
    const std::optional<SignerAuthenticationMethod>& authenticationMethod() const { return authenticationMethod_; }
    void setAuthenticationMethod(const std::optional<SignerAuthenticationMethod>& authenticationMethod)
    {
        authenticationMethod_ = authenticationMethod;
    }

    void viewDidLoad() override;
    void populateUIInfo();

    // Actions.
    void addButtonTapped(platform::ui::Control& sender);
    void backButtonTapped(platform::ui::Control& sender);
    void switchValueChanged(platform::ui::Control& sender);
    void tetxFieldInfoDidChange(platform::ui::Control& sender);
    void returnButtonTapped(platform::ui::Control& sender);

    // Outlets (the scroll view and the Add button are the form's).
    std::weak_ptr<platform::ui::Switch> maskAnswer1Switch;
    std::weak_ptr<platform::ui::TextField> question1TextField;
    std::weak_ptr<platform::ui::TextField> answer1TextField;
    std::weak_ptr<platform::ui::Switch> maskAnswer2Switch;
    std::weak_ptr<platform::ui::TextField> question2TextField;
    std::weak_ptr<platform::ui::TextField> answer2TextField;
    std::weak_ptr<platform::ui::View> question1View;
    std::weak_ptr<platform::ui::View> question1ErrorIndicator;
    std::weak_ptr<platform::ui::View> answer1View;
    std::weak_ptr<platform::ui::View> answer1ErrorIndicator;
    std::weak_ptr<platform::ui::View> question2View;
    std::weak_ptr<platform::ui::View> question2ErrorIndicator;
    std::weak_ptr<platform::ui::View> answer2View;
    std::weak_ptr<platform::ui::View> answer2ErrorIndicator;

private:
    // A question or answer: its box, marked and shaken together.
    struct Entry {
        std::weak_ptr<platform::ui::View> view;
        std::weak_ptr<platform::ui::View> errorIndicator;
        std::weak_ptr<platform::ui::TextField> textField;
    };

    void makeForm(platform::ui::ScrollView& form) override;
    std::vector<SignerSetupColumn::Item> formItems() const override;
    void wireActions();
    std::array<Entry, 4> entries() const;

    void fill(const SignerAuthenticationMethod::QuestionAndAnswer& pairs);
    void showValidationResult(int code);
    void hideErrorIndicators();
    void markAndShake(const Entry& entry);
    void handBack();

    std::weak_ptr<CreateTransactionSignerAuthenticationMethodQAPageDelegate> delegate_;
    std::optional<SignerAuthenticationMethod> authenticationMethod_;
    std::shared_ptr<platform::ui::Label> firstPairCaption_;
    std::shared_ptr<platform::ui::Label> secondPairCaption_;
    std::shared_ptr<SignerSetupTextBox> question1Box_;
    std::shared_ptr<SignerSetupTextBox> answer1Box_;
    std::shared_ptr<SignerSetupSwitchRow> mask1Row_;
    std::shared_ptr<SignerSetupTextBox> question2Box_;
    std::shared_ptr<SignerSetupTextBox> answer2Box_;
    std::shared_ptr<SignerSetupSwitchRow> mask2Row_;
};

#pragma once

#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPageDelegate.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPageDelegate.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageDelegate.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageInput.h"
#include "signers/screens/SignerSetupPage.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/StoryboardSegue.h"

#include <memory>

class SignerAuthenticationChoiceRow;

// The page on which the sender chooses how one recipient proves its identity. E-mail
// takes effect at once, in this page and in its opener; question and answer and SMS open
// their detail pages, which write their result into this page and its opener before they
// come back. Nothing is recomputed on the way back. Main thread only.
class CreateTransactionSignerAuthenticationMethodsPage
    : public SignerSetupPage,
      public CreateTransactionSignerAuthenticationMethodSMSPageDelegate,
      public CreateTransactionSignerAuthenticationMethodQAPageDelegate,
      public CreateTransactionSignerAuthenticationMethodsPageInput {
public:
    static constexpr double kCheckMarkPopDuration = 0.4;
    static constexpr double kRowsTop = 24;

    CreateTransactionSignerAuthenticationMethodsPage();

    // The opener, held weakly.
    std::shared_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate> delegate() const override
    {
        return delegate_.lock();
    }
    void setDelegate(const std::weak_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate>& delegate) override
    {
        delegate_ = delegate;
    }
    // None until the opener hands in the recipient's method.
    const SignerAuthenticationMethod& authenticationMethod() const { return authenticationMethod_; }
    void setAuthenticationMethod(const SignerAuthenticationMethod& authenticationMethod) override
    {
        authenticationMethod_ = authenticationMethod;
    }

    void viewDidLoad() override;
    void prepareForSegue(platform::ui::StoryboardSegue& segue, const std::shared_ptr<void>& sender) override;

    // Actions.
    void emailButtonTapped(platform::ui::Control& sender);
    void qaButtonTapped(platform::ui::Control& sender);
    void smsButtonTapped(platform::ui::Control& sender);
    void backButtonTapped(platform::ui::Control& sender);
    void unwindToCreateTransactionAuthenticationMethodsVC(platform::ui::StoryboardSegue& segue);

    // Check marks: the chosen one pops in, the others hide.
    void selectAuthenticationMethodWithEmail();
    void selectAuthenticationMethodWithQA() override;
    void selectAuthenticationMethodWithSMS() override;

    // Outlets.
    std::weak_ptr<platform::ui::Label> emailCheckMark;
    std::weak_ptr<platform::ui::Label> questionAndAnswerCheckMark;
    std::weak_ptr<platform::ui::Label> smsCheckMark;
    std::weak_ptr<platform::ui::Button> emailButton;
    std::weak_ptr<platform::ui::Button> qaButton;
    std::weak_ptr<platform::ui::Button> smsButton;

private:
    std::shared_ptr<CreateTransactionSignerAuthenticationMethodsPage> self();
    void makeContent(platform::ui::View& root) override;
    void layoutContent(const platform::graphics::Rect& area) override;
    void wireActions();
    void updateUI();
    void hideCheckMarks();
    void popCheckMark(const std::weak_ptr<platform::ui::Label>& checkMark);

    std::weak_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate> delegate_;
    SignerAuthenticationMethod authenticationMethod_;
    std::shared_ptr<SignerAuthenticationChoiceRow> emailRow_;
    std::shared_ptr<SignerAuthenticationChoiceRow> qaRow_;
    std::shared_ptr<SignerAuthenticationChoiceRow> smsRow_;
};

#pragma once

#include "SignerSetupScreenTest.h"
#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageDelegate.h"

#include <memory>
#include <string>
#include <vector>

namespace signers_screens_testing {

// Plays the page that opens the picker: it holds a recipient's method, records every
// call it receives in order and takes the picker's unwind.
class AuthenticationTestOpener : public platform::ui::ViewController,
                   public CreateTransactionSignerAuthenticationMethodsPageDelegate {
public:
    AuthenticationTestOpener();

    void setAuthenticationMethod(const SignerAuthenticationMethod& authenticationMethod) override
    {
        method = authenticationMethod;
        calls.push_back("setAuthenticationMethod");
    }
    void updateAuthenticationMethodLabel() override { calls.push_back("updateAuthenticationMethodLabel"); }
    void manageAddButtonAvailability() override { calls.push_back("manageAddButtonAvailability"); }

    SignerAuthenticationMethod method = SignerAuthenticationMethod::Email{};
    std::vector<std::string> calls;
    int unwinds = 0;
};

// The signer set-up window with the SDK started and the picker's opener pushed on it;
// the picker is made from the storyboard and pushed as that opener would push it. A tap
// here does not wait, so what it sets off can be seen running.
class AuthenticationPageTest : public SignerSetupScreenTest {
protected:
    using Picker = CreateTransactionSignerAuthenticationMethodsPage;
    using QAPage = CreateTransactionSignerAuthenticationMethodQAPage;
    using SMSPage = CreateTransactionSignerAuthenticationMethodSMSPage;
    using Method = SignerAuthenticationMethod;

    void SetUp() override;

    // The picker opened by the opener for a recipient whose method is `method`.
    std::shared_ptr<Picker> openPicker(const Method& method);
    std::shared_ptr<QAPage> openQAPage(const Method& method);
    std::shared_ptr<SMSPage> openSMSPage(const Method& method);
    std::shared_ptr<platform::ui::ViewController> top() const { return navigation->topViewController(); }

    void tap(const platform::ui::View& view) { touch(view); }
    void type(platform::ui::TextField& field, const std::string& text);
    // The check marks of the picker that a person sees, as "email", "qa" and "sms".
    std::vector<std::string> checkedRows() const;

    std::shared_ptr<AuthenticationTestOpener> opener;
    std::shared_ptr<Picker> picker;
};

} // namespace signers_screens_testing

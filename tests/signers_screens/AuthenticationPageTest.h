#pragma once

#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageDelegate.h"
#include "support/VeltraTest.h"
#include "ui/NavigationController.h"
#include "ui/TouchInjector.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

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

    void viewDidLoad() override;
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

// A phone window whose navigation controller holds the opener, with the SDK started.
// The picker is made from the storyboard and pushed as the opener would push it; the
// pages are then driven with the fingers and the keyboard.
class AuthenticationPageTest : public testing_support::VeltraTest {
protected:
    using Picker = CreateTransactionSignerAuthenticationMethodsPage;
    using QAPage = CreateTransactionSignerAuthenticationMethodQAPage;
    using SMSPage = CreateTransactionSignerAuthenticationMethodSMSPage;
    using Method = SignerAuthenticationMethod;

    void SetUp() override;
    void TearDown() override;

    // The picker opened by the opener for a recipient whose method is `method`.
    std::shared_ptr<Picker> openPicker(const Method& method);
    std::shared_ptr<QAPage> openQAPage(const Method& method);
    std::shared_ptr<SMSPage> openSMSPage(const Method& method);
    std::shared_ptr<platform::ui::ViewController> top() const { return navigation->topViewController(); }

    // What a person does.
    void tap(const platform::ui::View& view);
    void type(platform::ui::TextField& field, const std::string& text);
    void settle(double seconds = 1);
    // Whether a person sees the view: it and its ancestors shown, in a window.
    static bool isShown(const platform::ui::View& view);
    // The check marks of the picker that a person sees, as "email", "qa" and "sms".
    std::vector<std::string> checkedRows() const;

    std::shared_ptr<AuthenticationTestOpener> opener;
    std::shared_ptr<Picker> picker;
    std::shared_ptr<platform::ui::NavigationController> navigation;
    std::shared_ptr<platform::ui::Window> window;
    std::unique_ptr<platform::ui::TouchInjector> fingers;
};

} // namespace signers_screens_testing

#pragma once

#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageDelegate.h"

#include <memory>

// Puts a method chosen on the authentication pages into the page that opened the picker
// and has that page show it and reconsider its Add button.
struct SignerAuthenticationHandBack {
    // Nothing when the opener is gone.
    static void toOpener(const std::shared_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate>& opener,
                         const SignerAuthenticationMethod& method);
};

#pragma once

#include "signers/SignerAuthenticationMethod.h"

// The page whose recipient the authentication pages set up: they write the chosen method
// into it, then have it show the method and re-evaluate its Add button. Held weakly by the
// authentication method picker.
class CreateTransactionSignerAuthenticationMethodsPageDelegate {
public:
    virtual ~CreateTransactionSignerAuthenticationMethodsPageDelegate() = default;

    virtual void setAuthenticationMethod(const SignerAuthenticationMethod& authenticationMethod) = 0;
    virtual void updateAuthenticationMethodLabel() = 0;
    virtual void manageAddButtonAvailability() = 0;
};

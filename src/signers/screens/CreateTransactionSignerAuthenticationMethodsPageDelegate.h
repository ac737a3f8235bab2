#pragma once

#include "signers/SignerAuthenticationMethod.h"

// The page that opens the authentication method picker (the add/edit recipient page):
// the picker and the detail pages behind it write the chosen method straight into it
// and then have it refresh.
class CreateTransactionSignerAuthenticationMethodsPageDelegate {
public:
    virtual ~CreateTransactionSignerAuthenticationMethodsPageDelegate() = default;

    virtual void setAuthenticationMethod(const SignerAuthenticationMethod& authenticationMethod) = 0;
    virtual void updateAuthenticationMethodLabel() = 0;
    virtual void manageAddButtonAvailability() = 0;
};

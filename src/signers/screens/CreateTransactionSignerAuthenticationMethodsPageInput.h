#pragma once

#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageDelegate.h"

#include <memory>

// What the add/edit recipient page hands to the authentication method picker it opens: a
// copy of its recipient's method, and itself to receive the new one. The picker implements
// it.
class CreateTransactionSignerAuthenticationMethodsPageInput {
public:
    virtual ~CreateTransactionSignerAuthenticationMethodsPageInput() = default;

    virtual void setAuthenticationMethod(const SignerAuthenticationMethod& authenticationMethod) = 0;
    virtual void setDelegate(const std::weak_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate>& delegate) = 0;
};

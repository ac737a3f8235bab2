#pragma once

#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageDelegate.h"

#include <memory>

// What the SMS page reaches of the picker that opened it: the picker's method, the
// picker's own opener and its check mark.
class CreateTransactionSignerAuthenticationMethodSMSPageDelegate {
public:
    virtual ~CreateTransactionSignerAuthenticationMethodSMSPageDelegate() = default;

    virtual void setAuthenticationMethod(const SignerAuthenticationMethod& authenticationMethod) = 0;
    virtual std::shared_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate> delegate() const = 0;
    virtual void selectAuthenticationMethodWithSMS() = 0;
};

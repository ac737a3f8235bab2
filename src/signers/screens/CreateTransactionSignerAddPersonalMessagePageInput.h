#pragma once

#include "signers/screens/CreateTransactionSignerAddPersonalMessagePageDelegate.h"

#include <memory>
#include <optional>
#include <string>

// What the add/edit recipient page hands to the personal message page it opens: itself to
// receive the message, the message to start from and the recipient's full name for the
// heading. The personal message page implements it.
class CreateTransactionSignerAddPersonalMessagePageInput {
public:
    virtual ~CreateTransactionSignerAddPersonalMessagePageInput() = default;

    virtual void setDelegate(const std::weak_ptr<CreateTransactionSignerAddPersonalMessagePageDelegate>& delegate) = 0;
    virtual void setPersonalMessage(const std::optional<std::string>& personalMessage) = 0;
    virtual void setSignerFullName(const std::optional<std::string>& signerFullName) = 0;
};

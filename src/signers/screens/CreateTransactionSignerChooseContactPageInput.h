#pragma once

#include "signers/screens/CreateTransactionSignerChooseContactPageDelegate.h"

#include <memory>

// What the add/edit recipient page hands to the device contacts picker it opens: itself,
// to receive the chosen contact. The picker implements it.
class CreateTransactionSignerChooseContactPageInput {
public:
    virtual ~CreateTransactionSignerChooseContactPageInput() = default;

    virtual void setDelegate(const std::weak_ptr<CreateTransactionSignerChooseContactPageDelegate>& delegate) = 0;
};

#pragma once

#include <optional>

// What the main page hands to the add/edit recipient page it opens: the row of the
// recipient to edit, or none to add one. The signer setup's page implements it.
class CreateTransactionAddSignerPageInput {
public:
    virtual ~CreateTransactionAddSignerPageInput() = default;

    virtual void setSignerIndex(std::optional<int> signerIndex) = 0;
};

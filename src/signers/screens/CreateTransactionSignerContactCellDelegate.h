#pragma once

#include <string>

class CreateTransactionSignerContactCell;

// What a contact row tells the contacts picker: the row itself was tapped, or one of the
// e-mail addresses it lists.
class CreateTransactionSignerContactCellDelegate {
public:
    virtual ~CreateTransactionSignerContactCellDelegate() = default;

    virtual void contactCellisTappedForSelection(CreateTransactionSignerContactCell& cell) = 0;
    virtual void userDidSelectAnEmail(const std::string& email, CreateTransactionSignerContactCell& cell) = 0;
};

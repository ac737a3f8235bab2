#pragma once

class CreateTransactionSignerContactEmailCell;

// What an e-mail row of a contact row tells the contact row.
class CreateTransactionSignerContactEmailCellDelegate {
public:
    virtual ~CreateTransactionSignerContactEmailCellDelegate() = default;

    virtual void contactEmailCellSelected(CreateTransactionSignerContactEmailCell& cell) = 0;
};

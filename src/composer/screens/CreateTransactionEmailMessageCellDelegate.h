#pragma once

class CreateTransactionEmailMessageCell;

// What the main page's message row tells its page.
class CreateTransactionEmailMessageCellDelegate {
public:
    virtual ~CreateTransactionEmailMessageCellDelegate() = default;

    virtual void emailMessageCellDidBeginEditing(CreateTransactionEmailMessageCell& cell) = 0;
};

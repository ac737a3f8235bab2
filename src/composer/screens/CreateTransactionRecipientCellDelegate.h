#pragma once

class CreateTransactionRecipientCell;

// What a recipient row tells its list.
class CreateTransactionRecipientCellDelegate {
public:
    virtual ~CreateTransactionRecipientCellDelegate() = default;

    virtual void createTransactionRecipientCellTrashButtonTapped(CreateTransactionRecipientCell& cell) = 0;
    virtual void createTransactionRecipientCellTappedForSelection(CreateTransactionRecipientCell& cell) = 0;
};

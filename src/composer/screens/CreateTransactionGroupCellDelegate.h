#pragma once

class CreateTransactionGroupCell;

// What a row of the group picker tells the picker.
class CreateTransactionGroupCellDelegate {
public:
    virtual ~CreateTransactionGroupCellDelegate() = default;

    virtual void createTransactionGroupCell_userDidTapCell(CreateTransactionGroupCell& cell) = 0;
};

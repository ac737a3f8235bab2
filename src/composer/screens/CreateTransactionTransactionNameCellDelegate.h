#pragma once

#include <string>

class CreateTransactionTransactionNameCell;

// What the name row asks of the page it sits on.
class CreateTransactionTransactionNameCellDelegate {
public:
    virtual ~CreateTransactionTransactionNameCellDelegate() = default;

    virtual void transactionNameCellDidRequestBlurView(bool visible, bool animated,
                                                       CreateTransactionTransactionNameCell& cell) = 0;
    // The typed name trimmed of spaces and tabs, or "" when nothing but those was typed.
    virtual void transactionNameCellShouldUpdateTransactionName(const std::string& transactionName,
                                                                CreateTransactionTransactionNameCell& cell) = 0;
};

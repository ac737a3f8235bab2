#pragma once

class CreateTransactionAutoCompleteCell;

// What the settings page's auto-complete row tells its page.
class CreateTransactionAutoCompleteCellDelegate {
public:
    virtual ~CreateTransactionAutoCompleteCellDelegate() = default;

    virtual void createTransactionAutoCompleteUpdated(bool autoComplete, CreateTransactionAutoCompleteCell& cell) = 0;
};

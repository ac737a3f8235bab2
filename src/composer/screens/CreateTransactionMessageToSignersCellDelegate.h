#pragma once

#include <optional>
#include <string>

class CreateTransactionMessageToSignersCell;

// What the settings page's message row tells its page.
class CreateTransactionMessageToSignersCellDelegate {
public:
    virtual ~CreateTransactionMessageToSignersCellDelegate() = default;

    // The message as typed, or none once it is emptied.
    virtual void createTransactionMessageToSignersCellShouldUpdateTransactionMessage(
        const std::optional<std::string>& message, CreateTransactionMessageToSignersCell& cell) = 0;
    virtual void createTransactionMessageToSignersCellDidBeginEditing(CreateTransactionMessageToSignersCell& cell) = 0;
    // The row was opened (add button) or closed (clear button): its height follows.
    virtual void createTransactionMessageToSignersCellDidChangeMinimized(bool minimized,
                                                                         CreateTransactionMessageToSignersCell& cell) = 0;
};

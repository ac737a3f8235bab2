#pragma once

#include <optional>
#include <string>

class CreateTransactionDescriptionCell;

// What the settings page's description row tells its page.
class CreateTransactionDescriptionCellDelegate {
public:
    virtual ~CreateTransactionDescriptionCellDelegate() = default;

    // The description as typed, or none once it is emptied.
    virtual void createTransactionDescriptionCellShouldUpdateTransactionDescription(
        const std::optional<std::string>& description, CreateTransactionDescriptionCell& cell) = 0;
    virtual void createTransactionDescriptionCellDidBeginEditing(CreateTransactionDescriptionCell& cell) = 0;
    // The row was opened (add button) or closed (clear button): its height follows.
    virtual void createTransactionDescriptionCellDidChangeMinimized(bool minimized,
                                                                    CreateTransactionDescriptionCell& cell) = 0;
};

#pragma once

#include "foundation/Date.h"

#include <optional>

class CreateTransactionExpiryDateCell;

// What the settings page's expiry row tells its page.
class CreateTransactionExpiryDateCellDelegate {
public:
    virtual ~CreateTransactionExpiryDateCellDelegate() = default;

    // A confirmed date, or none once the date is removed.
    virtual void createTransactionExpiryDateUpdated(const std::optional<platform::Date>& expiryDate,
                                                    CreateTransactionExpiryDateCell& cell) = 0;
    // The row's own button: a closed row opens, an open one closes.
    virtual void createTransactionExpiryDateCellDidRequestToggle(CreateTransactionExpiryDateCell& cell) = 0;
    // A date confirmed or removed closes the row.
    virtual void createTransactionExpiryDateCellDidRequestCollapse(CreateTransactionExpiryDateCell& cell) = 0;
};

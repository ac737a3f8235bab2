#pragma once

class CreateTransactionInPersonSigningCell;

// What the settings page's in-person signing row tells its page.
class CreateTransactionInPersonSigningCellDelegate {
public:
    virtual ~CreateTransactionInPersonSigningCellDelegate() = default;

    virtual void createTransactionInPersonSigningUpdated(bool inPerson, CreateTransactionInPersonSigningCell& cell) = 0;
};

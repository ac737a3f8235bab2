#include "composer/screens/CreateTransactionInPersonSigningCell.h"

#include "support/LocalizedSDK.h"

CreateTransactionInPersonSigningCell::CreateTransactionInPersonSigningCell(const std::string& reuseIdentifier)
    : CreateTransactionSettingsSwitchCell(reuseIdentifier, "p", localizedSDK("In-person signing"))
    , inPersonSigningSwitch(switch_)
{
}

void CreateTransactionInPersonSigningCell::switchChanged(bool on)
{
    if (const auto listener = delegate()) {
        listener->createTransactionInPersonSigningUpdated(on, *this);
    }
}

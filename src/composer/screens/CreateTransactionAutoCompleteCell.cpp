#include "composer/screens/CreateTransactionAutoCompleteCell.h"

#include "support/LocalizedSDK.h"

CreateTransactionAutoCompleteCell::CreateTransactionAutoCompleteCell(const std::string& reuseIdentifier)
    : CreateTransactionSettingsSwitchCell(reuseIdentifier, "C", localizedSDK("Auto-complete"))
    , autoCompleteSwitch(switch_)
{
}

void CreateTransactionAutoCompleteCell::switchChanged(bool on)
{
    if (const auto listener = delegate()) {
        listener->createTransactionAutoCompleteUpdated(on, *this);
    }
}

#pragma once

#include <memory>
#include <optional>
#include <string>

// What the add-recipient row asks of its page.
class CreateTransactionAddRecipientCellDelegate {
public:
    virtual ~CreateTransactionAddRecipientCellDelegate() = default;

    // The recipient the add/edit recipient page will edit; none to add one.
    virtual void setSelectedSignerIndex(std::optional<int> index) = 0;
    virtual void performSegueWithIdentifierSender(const std::string& identifier,
                                                  const std::shared_ptr<void>& sender) = 0;
    virtual void orderedSigningSwitchChanged(bool on) = 0;
};

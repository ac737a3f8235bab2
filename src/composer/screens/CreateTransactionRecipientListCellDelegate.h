#pragma once

#include <memory>
#include <optional>
#include <string>

// What the recipient list asks of its page.
class CreateTransactionRecipientListCellDelegate {
public:
    virtual ~CreateTransactionRecipientListCellDelegate() = default;

    // A drag turned ordered signing on: the page's switch follows.
    virtual void createTransactionRecipientListCellTurnedOnOrderedSigning() = 0;
    // The recipient the add/edit recipient page will edit.
    virtual void setSelectedSignerIndex(std::optional<int> index) = 0;
    virtual void performSegueWithIdentifierSender(const std::string& identifier,
                                                  const std::shared_ptr<void>& sender) = 0;
};

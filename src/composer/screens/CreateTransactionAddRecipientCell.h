#pragma once

#include "composer/screens/CreateTransactionAddRecipientCellDelegate.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Switch.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <string>

// The main page's row that opens the add/edit recipient page for a new recipient, with
// the ordered-signing switch and its caption. Main thread.
class CreateTransactionAddRecipientCell : public platform::ui::TableViewCell {
public:
    explicit CreateTransactionAddRecipientCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionAddRecipientCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionAddRecipientCellDelegate>& delegate)
    {
        delegate_ = delegate;
    }

    void addRecipientsButtonTapped(platform::ui::Control& sender);
    void orderedSigningSwitchChanged(platform::ui::Control& sender);

    void awakeFromNib() override;
    void layoutSubviews() override;

    std::weak_ptr<platform::ui::Switch> orderedSigningSwitch;
    std::weak_ptr<platform::ui::Label> setOrderLabel;
    std::weak_ptr<platform::ui::Button> addRecipientsButton;

private:
    std::weak_ptr<CreateTransactionAddRecipientCellDelegate> delegate_;
};

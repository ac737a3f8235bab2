#pragma once

#include "composer/screens/CreateTransactionCollapsibleTextCell.h"
#include "composer/screens/CreateTransactionDescriptionCellDelegate.h"

#include <memory>
#include <string>

// The settings page's row for the transaction's description. Main thread.
class CreateTransactionDescriptionCell : public CreateTransactionCollapsibleTextCell {
public:
    explicit CreateTransactionDescriptionCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionDescriptionCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionDescriptionCellDelegate>& delegate) { delegate_ = delegate; }

    void addTransactionDescriptionButtonTapped(platform::ui::Control& sender);

    void awakeFromNib() override;

    // The collapsed group.
    std::weak_ptr<platform::ui::Button> addTransactionDescriptionButton;
    std::weak_ptr<platform::ui::Label> addTransactionDescriptionLabel;
    std::weak_ptr<platform::ui::Label> addTransactionDescriptionButtonIcon;
    // The open group.
    std::weak_ptr<platform::ui::Label> transactionDescriptionLabel;
    std::weak_ptr<platform::ui::View> transactionDescriptionPlaceHolder;
    std::weak_ptr<platform::ui::Button> transactionDescriptionClearButton;
    std::weak_ptr<platform::ui::TextView> transactionDescriptionTextView;
    std::weak_ptr<platform::ui::Label> addDescriptionLabel;

protected:
    void sendText(const std::optional<std::string>& text) override;
    void tellEditingBegan() override;
    void tellMinimized(bool minimized) override;

private:
    std::weak_ptr<CreateTransactionDescriptionCellDelegate> delegate_;
};

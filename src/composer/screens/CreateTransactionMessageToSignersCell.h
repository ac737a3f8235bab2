#pragma once

#include "composer/screens/CreateTransactionCollapsibleTextCell.h"
#include "composer/screens/CreateTransactionMessageToSignersCellDelegate.h"

#include <memory>
#include <string>

// The settings page's row for the message to all recipients, on screens that are not
// regular in both directions (there the main page edits it). It reaches the page as typed,
// untrimmed and of any length. Main thread.
class CreateTransactionMessageToSignersCell : public CreateTransactionCollapsibleTextCell {
public:
    explicit CreateTransactionMessageToSignersCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionMessageToSignersCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionMessageToSignersCellDelegate>& delegate) { delegate_ = delegate; }

    void addMessageButtonTapped(platform::ui::Control& sender);

    void awakeFromNib() override;

    // The collapsed group.
    std::weak_ptr<platform::ui::Button> addMessageButton;
    std::weak_ptr<platform::ui::Label> addMessageLabel;
    std::weak_ptr<platform::ui::Label> addMessageButtonIcon;
    // The open group.
    std::weak_ptr<platform::ui::Label> messageToAllRecipientsLabel;
    std::weak_ptr<platform::ui::View> messageToAllRecipientsPlaceHolder;
    std::weak_ptr<platform::ui::Button> clearButton;
    std::weak_ptr<platform::ui::TextView> messageToAllRecipientsTextView;
    std::weak_ptr<platform::ui::Label> addAMessageLabel;

protected:
    void sendText(const std::optional<std::string>& text) override;
    void tellEditingBegan() override;
    void tellMinimized(bool minimized) override;

private:
    std::weak_ptr<CreateTransactionMessageToSignersCellDelegate> delegate_;
};

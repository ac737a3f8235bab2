#pragma once

#include "composer/screens/CreateTransactionEmailMessageCellDelegate.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TableViewCell.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/TextView.h"

#include <memory>
#include <string>

// The main page's message to all recipients, on screens of regular width and height. The
// message reaches the new-transaction model at the end of each edit, as typed. Main
// thread.
class CreateTransactionEmailMessageCell : public platform::ui::TableViewCell, public platform::ui::TextViewDelegate {
public:
    explicit CreateTransactionEmailMessageCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionEmailMessageCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionEmailMessageCellDelegate>& delegate)
    {
        delegate_ = delegate;
    }

    void clearButtonTapped(platform::ui::Control& sender);
    void dismissKeyboard();
    // The hint shows while the message is empty.
    void manageDescriptionLabel();

    void awakeFromNib() override;
    void layoutSubviews() override;
    void textViewDidBeginEditing(platform::ui::TextView& view) override;
    void textViewDidEndEditing(platform::ui::TextView& view) override;

    std::weak_ptr<platform::ui::TextView> emailTextView;
    std::weak_ptr<platform::ui::Label> textViewDescriptionLabel;
    std::shared_ptr<platform::ui::TapGestureRecognizer> tapGesture;

private:
    std::weak_ptr<CreateTransactionEmailMessageCellDelegate> delegate_;
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::Button> clearButton_;
};

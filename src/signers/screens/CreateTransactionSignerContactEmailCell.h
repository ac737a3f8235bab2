#pragma once

#include "signers/screens/CreateTransactionSignerContactEmailCellDelegate.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <string>

// One e-mail address in the list a contact row opens; a tap on it chooses the address.
// Main thread only.
class CreateTransactionSignerContactEmailCell : public platform::ui::TableViewCell {
public:
    static constexpr const char* cellIdentifier = "CreateTransactionSignerContactEmailCell";

    explicit CreateTransactionSignerContactEmailCell(const std::string& reuseIdentifier = cellIdentifier);

    std::shared_ptr<CreateTransactionSignerContactEmailCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionSignerContactEmailCellDelegate>& delegate)
    {
        delegate_ = delegate;
    }

    void contactEmailCellTappedForSelection(platform::ui::Control& sender);

    void awakeFromNib() override;
    void layoutSubviews() override;

    std::weak_ptr<platform::ui::Label> emailLabel;
    // Covers the row: the whole row is the address to tap.
    std::weak_ptr<platform::ui::Button> selectionButton;

private:
    std::weak_ptr<CreateTransactionSignerContactEmailCellDelegate> delegate_;
};

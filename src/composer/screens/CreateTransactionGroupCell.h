#pragma once

#include "composer/screens/CreateTransactionGroupCellDelegate.h"
#include "ui/Label.h"
#include "ui/TableViewCell.h"
#include "ui/TapGestureRecognizer.h"

#include <memory>
#include <string>

// One signing group in the group picker: its name, its e-mail and a check mark that the
// picker shows on the chosen group only. A tap anywhere on the row tells the picker.
// Main thread only.
class CreateTransactionGroupCell : public platform::ui::TableViewCell {
public:
    static constexpr const char* cellIdentifier = "CreateTransactionGroupCell";

    explicit CreateTransactionGroupCell(const std::string& reuseIdentifier = cellIdentifier);

    std::shared_ptr<CreateTransactionGroupCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionGroupCellDelegate>& delegate) { delegate_ = delegate; }

    void cellTapped(platform::ui::GestureRecognizer& sender);

    void awakeFromNib() override;
    void layoutSubviews() override;

    std::weak_ptr<platform::ui::Label> groupNameLabel;
    std::weak_ptr<platform::ui::Label> groupEmailLabel;
    std::weak_ptr<platform::ui::Label> checkmarkLabel;
    std::shared_ptr<platform::ui::TapGestureRecognizer> tapGesture;

private:
    std::weak_ptr<CreateTransactionGroupCellDelegate> delegate_;
};

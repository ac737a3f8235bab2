#pragma once

#include "signers/screens/CreateTransactionSignerContactCellDelegate.h"
#include "signers/screens/CreateTransactionSignerContactEmailCellDelegate.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <string>
#include <vector>

// One contact in the contacts picker: picture (or a person icon), name and an e-mail line
// in the top 60 points, which choose the contact when tapped; below them a list of the
// contact's addresses that shows when the picker makes the row taller. Main thread only.
class CreateTransactionSignerContactCell : public platform::ui::TableViewCell,
                                           public platform::ui::TableViewDataSource,
                                           public platform::ui::TableViewDelegate,
                                           public CreateTransactionSignerContactEmailCellDelegate {
public:
    static constexpr const char* cellIdentifier = "CreateTransactionSignerContactCell";
    static constexpr double collapsedHeight = 60;
    static constexpr double emailRowHeight = 30;

    explicit CreateTransactionSignerContactCell(const std::string& reuseIdentifier = cellIdentifier);

    std::shared_ptr<CreateTransactionSignerContactCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionSignerContactCellDelegate>& delegate)
    {
        delegate_ = delegate;
    }

    void cellSelectionButtonTapped(platform::ui::Control& sender);
    void contactEmailCellSelected(CreateTransactionSignerContactEmailCell& cell) override;

    // The nested list of addresses.
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    void awakeFromNib() override;
    void layoutSubviews() override;

    std::vector<std::string> emails;

    std::weak_ptr<platform::ui::ImageView> contactImageView;
    std::weak_ptr<platform::ui::Label> contactNameLabel;
    std::weak_ptr<platform::ui::Label> contactEmailLabel;
    std::weak_ptr<platform::ui::TableView> tableView;
    std::weak_ptr<platform::ui::Label> contactIcon;
    std::weak_ptr<platform::ui::Button> selectionButton;

private:
    std::shared_ptr<CreateTransactionSignerContactCell> self();
    void makeSummary();
    void makeEmailList();

    std::weak_ptr<CreateTransactionSignerContactCellDelegate> delegate_;
};

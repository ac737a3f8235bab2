#pragma once

#include "signers/screens/CreateTransactionPickGroupViewControllerInput.h"

#include "composer/screens/CreateTransactionGroupCellDelegate.h"
#include "model/ZKGroup.h"
#include "signers/screens/CreateTransactionPickGroupViewControllerDelegate.h"
#include "signers/screens/SignerSetupTopBar.h"
#include "ui/Button.h"
#include "ui/TableView.h"
#include "ui/ViewController.h"

#include <memory>
#include <optional>
#include <vector>

// The group picker, opened from the add/edit recipient page: the account's signing groups
// that are not yet recipients, the one the opener already holds checked. Choosing a group
// writes it and the kind `group` into the opener and returns there; Close returns without
// a change. The opener sets the list, the checked row and itself as delegate before the
// page loads. Main thread only.
class CreateTransactionPickGroupViewController : public platform::ui::ViewController,
                                                 public platform::ui::TableViewDataSource,
                                                 public platform::ui::TableViewDelegate,
                                                 public CreateTransactionGroupCellDelegate,
                                                 public CreateTransactionPickGroupViewControllerInput {
public:
    static constexpr double rowHeight = 48;

    std::shared_ptr<CreateTransactionPickGroupViewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionPickGroupViewControllerDelegate>& delegate) override
    {
        delegate_ = delegate;
    }
    void setGroupList(const std::vector<std::shared_ptr<ZKGroup>>& groups) override { groupList = groups; }
    void setSelectedGroupIndex(std::optional<int> index) override { selectedGroupIndex = index; }

    // Life cycle.
    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    platform::ui::StatusBarStyle preferredStatusBarStyle() const override
    {
        return platform::ui::StatusBarStyle::lightContent;
    }
    platform::ui::OrientationMask supportedInterfaceOrientations() const override
    {
        return platform::ui::OrientationMask::all;
    }

    // Actions.
    void closeButtonTapped(platform::ui::Control& sender);
    void createTransactionGroupCell_userDidTapCell(CreateTransactionGroupCell& cell) override;

    // The table.
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    std::vector<std::shared_ptr<ZKGroup>> groupList;
    std::optional<int> selectedGroupIndex;

    // Outlets.
    std::weak_ptr<platform::ui::TableView> tableView;
    std::shared_ptr<platform::ui::View> statusBarView;
    std::shared_ptr<SignerSetupTopBar> topBar;
    std::shared_ptr<platform::ui::Button> closeButton;

private:
    std::shared_ptr<CreateTransactionPickGroupViewController> self();
    void showCheckmark(int row, bool shown) const;
    void handOver(const std::shared_ptr<ZKGroup>& group) const;

    std::weak_ptr<CreateTransactionPickGroupViewControllerDelegate> delegate_;
};

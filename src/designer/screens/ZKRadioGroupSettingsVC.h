#pragma once

#include "designer/screens/ZKFieldSettingsTopBar.h"
#include "designer/screens/ZKRadioGroupSettingsVCDelegate.h"
#include "designer/screens/ZKRadioGroupTableViewCellDelegate.h"
#include "ui/TableView.h"
#include "ui/TextField.h"
#include "ui/ViewController.h"

#include <memory>
#include <string>
#include <vector>

// The radio groups offered to a radio button, pushed over its settings screen: a tap on
// a row picks that group, a name typed and sent with Return adds a group and picks it,
// and a row swiped open deletes its group from the list. The list is the radio screen's
// own (not a copy), so what is added or deleted here is what that screen offers next.
// Deleting changes only the list: no radio button leaves its group. Picking and adding
// leave through the unwind segue to the radio screen; Cancel picks nothing.
// Main thread only.
class ZKRadioGroupSettingsVC : public platform::ui::ViewController,
                               public platform::ui::TableViewDataSource,
                               public platform::ui::TableViewDelegate,
                               public ZKRadioGroupTableViewCellDelegate {
public:
    static constexpr const char* unwindSegueIdentifier = "unwindFromRadioGroupsToRadioSettingsVC";
    static constexpr double rowHeight = 45;
    // The table is reloaded this long after a deletion, once the row has slid out.
    static constexpr double reloadDelayAfterDeletion = 0.4;

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
    void returnButtonTapped(platform::ui::Control& sender);
    void closeButtonTapped(platform::ui::Control& sender);
    // Whether a listed group has the name, in any letter case.
    bool groupNameAlreadyExists(const std::string& name) const;

    // Table.
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(platform::ui::TableView& table,
                                       const platform::ui::IndexPath& indexPath) override;
    void didSelectRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;
    void cellDeletionRequestedForCellAtIndexPath(const platform::ui::IndexPath& indexPath) override;

    std::shared_ptr<std::vector<std::string>> radioGroups = std::make_shared<std::vector<std::string>>();
    // The row that carries the selection mark; -1 for none.
    int selectedGroupIndex = -1;
    std::weak_ptr<ZKRadioGroupSettingsVCDelegate> delegate;

    std::weak_ptr<platform::ui::TextField> radioGroupTextField;
    std::weak_ptr<platform::ui::TableView> tableView;
    std::weak_ptr<platform::ui::View> statusBar;

    const std::shared_ptr<ZKFieldSettingsTopBar>& topBar() const { return topBar_; }

private:
    bool holdsRow(int row) const;
    void unwindToRadioSettings();

    std::shared_ptr<ZKFieldSettingsTopBar> topBar_;
};

#pragma once

#include "composer/screens/CreateTransactionRecipientCellDelegate.h"
#include "composer/screens/CreateTransactionRecipientListCellDelegate.h"
#include "composer/screens/PendingSignerRemovals.h"
#include "composer/screens/VLTInteractiveTableView.h"
#include "dragdrop/DropInteraction.h"
#include "ui/Label.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <string>

class VLTNewTransactionViewModel;

// The main page's list of the transaction's recipients, one recipient row each, in the
// new-transaction model's order. It keeps no recipient of its own: every answer comes
// from the model. A long press and drag reorders (and turns ordered signing on), the
// trash button of a swiped row removes at once, a tap on a row opens it for editing, and
// contact cards dropped from another application become recipients.
//
// A removed row leaves the table at once and the model 0.25 s later, so the row can slide
// out; until then the table shows the model's recipients without the ones on their way
// out. Main thread only; dropped cards are read on the item providers' threads and handed
// back to the main thread.
class CreateTransactionRecipientListCell : public platform::ui::TableViewCell,
                                           public platform::ui::TableViewDataSource,
                                           public platform::ui::TableViewDelegate,
                                           public VLTInteractiveTableViewDelegate,
                                           public CreateTransactionRecipientCellDelegate,
                                           public platform::dragdrop::DropInteractionDelegate {
public:
    static constexpr const char* cellIdentifier = "createTransactionRecipientListCell";
    static constexpr double rowHeight = 65.0;
    static constexpr double removalDelay = 0.25;

    explicit CreateTransactionRecipientListCell(const std::string& reuseIdentifier = cellIdentifier);
    ~CreateTransactionRecipientListCell() override;

    std::shared_ptr<CreateTransactionRecipientListCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionRecipientListCellDelegate>& delegate)
    {
        delegate_ = delegate;
    }
    // Rows already out of the table whose recipients the model still holds.
    int numberOfDeletedSigners() const { return removals_.count(); }

    void awakeFromNib() override;
    void layoutSubviews() override;
    void handleOrientationChange();

    // The inner table.
    int numberOfSections(platform::ui::TableView& table) override;
    int numberOfRows(platform::ui::TableView& table, int section) override;
    std::optional<double> heightForRow(platform::ui::TableView& table,
                                       const platform::ui::IndexPath& indexPath) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;

    // Reordering.
    void tableViewCellDraggingDidStart() override;
    void tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(VLTInteractiveTableView& tableView,
                                                                     const platform::ui::IndexPath& from,
                                                                     const platform::ui::IndexPath& to) override;
    void tableViewCellDraggingDidFinishWithTableView(VLTInteractiveTableView& tableView) override;
    void tableViewCellDraggingCanceledWithLocked(bool locked) override;

    // The rows.
    void createTransactionRecipientCellTrashButtonTapped(CreateTransactionRecipientCell& cell) override;
    void createTransactionRecipientCellTappedForSelection(CreateTransactionRecipientCell& cell) override;

    // Dropped contact cards.
    bool dropInteractionCanHandleSession(platform::dragdrop::DropInteraction& interaction,
                                         const platform::dragdrop::DropSession& session) override;
    platform::dragdrop::DropProposal dropInteractionSessionDidUpdate(
        platform::dragdrop::DropInteraction& interaction, const platform::dragdrop::DropSession& session) override;
    void dropInteractionPerformDrop(platform::dragdrop::DropInteraction& interaction,
                                    const platform::dragdrop::DropSession& session) override;

    std::weak_ptr<VLTInteractiveTableView> signersTableView;

private:
    static std::shared_ptr<VLTNewTransactionViewModel> model();
    std::shared_ptr<CreateTransactionRecipientListCell> self();
    void removeFirstPendingSigner();

    std::weak_ptr<CreateTransactionRecipientListCellDelegate> delegate_;
    // Shown while there is no recipient, so the room kept for them does not read as blank.
    std::shared_ptr<platform::ui::Label> emptyHint_;
    PendingSignerRemovals removals_;
};

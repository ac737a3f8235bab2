#pragma once

#include "composer/screens/CreateTransactionDocumentCellDelegate.h"
#include "composer/screens/CreateTransactionDocumentListCellDelegate.h"
#include "composer/screens/PendingDocumentRemovals.h"
#include "composer/screens/VLTInteractiveTableView.h"
#include "composer/screens/VLTInteractiveTableViewDelegate.h"
#include "dragdrop/DropInteraction.h"
#include "dragdrop/TableViewDropDelegate.h"
#include "ui/Label.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <optional>
#include <string>

// The documents row of the main page: an inner table with one row per document of the
// new-transaction model. Rows are reordered by long press and drag, deleted by swiping
// one open and tapping its trash button, previewed by a tap, and files dragged in from
// other applications are added by dropping them on the table (from the row under the
// drop on) or on the row around it (each at the top). Every change goes to the model;
// the list keeps only the page's two permission flags and the documents taken off the
// table whose removal from the model is still to come. Those rows are no longer shown,
// and taps on rows are let go until they have left.
//
// Main thread only; the end of a drop's import is brought back to it.
class CreateTransactionDocumentListCell : public platform::ui::TableViewCell,
                                          public platform::ui::TableViewDataSource,
                                          public platform::ui::TableViewDelegate,
                                          public VLTInteractiveTableViewDelegate,
                                          public CreateTransactionDocumentCellDelegate,
                                          public platform::dragdrop::TableViewDropDelegate,
                                          public platform::dragdrop::DropInteractionDelegate {
public:
    static constexpr double rowHeight = 65.0;
    // How long a deleted row is off the table before the model lets its document go.
    static constexpr double deletionDelay = 0.25;

    explicit CreateTransactionDocumentListCell(const std::string& reuseIdentifier);
    ~CreateTransactionDocumentListCell() override;

    std::shared_ptr<CreateTransactionDocumentListCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionDocumentListCellDelegate>& delegate)
    {
        delegate_ = delegate;
    }
    bool canDeleteDocuments() const override { return canDeleteDocuments_; }
    void setCanDeleteDocuments(bool allowed) { canDeleteDocuments_ = allowed; }
    bool canReorderDocuments() const { return canReorderDocuments_; }
    void setCanReorderDocuments(bool allowed) { canReorderDocuments_ = allowed; }
    int numberOfRowsToBeDeleted() const { return removals_.count(); }

    void awakeFromNib() override;
    void layoutSubviews() override;
    void handleOrientationChange();

    // The inner table.
    int numberOfSections(platform::ui::TableView& table) override;
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    // Drags to reorder.
    void tableViewCellDraggingDidStart() override;
    void tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(VLTInteractiveTableView& tableView,
                                                                     const platform::ui::IndexPath& from,
                                                                     const platform::ui::IndexPath& to) override;
    void tableViewCellDraggingDidFinishWithTableView(VLTInteractiveTableView& tableView) override;
    void tableViewCellDraggingCanceledWithLocked(bool locked) override;

    // The rows.
    void documentCellDeleteButtonTapped(CreateTransactionDocumentCell& cell) override;
    void documentCellDidTapOnCell(CreateTransactionDocumentCell& cell) override;

    // Drops on the inner table.
    bool tableViewCanHandleDropSession(platform::ui::TableView& tableView,
                                       const platform::dragdrop::DropSession& session) override;
    platform::dragdrop::TableViewDropProposal tableViewDropSessionDidUpdateWithDestinationIndexPath(
        platform::ui::TableView& tableView, const platform::dragdrop::DropSession& session,
        const std::optional<platform::ui::IndexPath>& destinationIndexPath) override;
    void tableViewPerformDropWithCoordinator(platform::ui::TableView& tableView,
                                             const platform::dragdrop::TableViewDropCoordinator& coordinator) override;

    // Drops on the row around the inner table.
    bool dropInteractionCanHandleSession(platform::dragdrop::DropInteraction& interaction,
                                         const platform::dragdrop::DropSession& session) override;
    platform::dragdrop::DropProposal dropInteractionSessionDidUpdate(
        platform::dragdrop::DropInteraction& interaction, const platform::dragdrop::DropSession& session) override;
    void dropInteractionPerformDrop(platform::dragdrop::DropInteraction& interaction,
                                    const platform::dragdrop::DropSession& session) override;

    // Outlet.
    std::weak_ptr<VLTInteractiveTableView> documentsTableView;

private:
    std::shared_ptr<CreateTransactionDocumentListCell> self();
    void importDrop(const platform::dragdrop::DropSession& session, std::optional<int> destinationRow);
    // The model's documents by name, in the model's order.
    static std::vector<std::string> documentNames();
    std::optional<int> modelRowForTableRow(int tableRow) const;
    void removeFirstPendingDocument();

    std::weak_ptr<CreateTransactionDocumentListCellDelegate> delegate_;
    // Shown while there is no document, so the room kept for them does not read as blank.
    std::shared_ptr<platform::ui::Label> emptyHint_;
    bool canDeleteDocuments_ = false;
    bool canReorderDocuments_ = false;
    PendingDocumentRemovals removals_;
};

#include "composer/screens/CreateTransactionDocumentListCell.h"

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionDocumentCell.h"
#include "composer/screens/CreateTransactionDocumentDrop.h"
#include "composer/screens/CreateTransactionEmptyListHint.h"
#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "foundation/NotificationCenter.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"
#include "ui/Screen.h"

using platform::dragdrop::DropOperation;
using platform::dragdrop::DropSession;
using platform::graphics::makeRect;
using platform::ui::IndexPath;
using platform::ui::TableView;

namespace {

std::shared_ptr<VLTNewTransactionViewModel> model()
{
    return VLTNewTransactionViewModel::sharedInstance();
}

std::optional<std::string> stringAt(const Dictionary& dictionary, const char* key)
{
    const auto found = dictionary.find(key);
    return found != dictionary.end() && found->is_string() ? std::optional(found->get<std::string>()) : std::nullopt;
}

void post(const char* name)
{
    platform::NotificationCenter::defaultCenter().post(name);
}

} // namespace

CreateTransactionDocumentListCell::CreateTransactionDocumentListCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    // Below the last row the list shows the page, so room for rows to come does not read
    // as an empty row.
    setBackgroundColor(CreateTransactionLook::pageBackground());
    auto table = std::make_shared<VLTInteractiveTableView>(makeRect(0, 0, 0, 0), platform::ui::TableViewStyle::plain);
    table->setBackgroundColor(CreateTransactionLook::pageBackground());
    table->registerCell(CreateTransactionDocumentCell::identifier,
                        [] { return std::make_shared<CreateTransactionDocumentCell>(); });
    contentView()->addSubview(table);
    documentsTableView = table;
    emptyHint_ = CreateTransactionEmptyListHint::make(localizedSDK("No documents yet"));
    contentView()->addSubview(emptyHint_);
}

CreateTransactionDocumentListCell::~CreateTransactionDocumentListCell()
{
    platform::NotificationCenter::defaultCenter().removeObserver(this);
}

std::shared_ptr<CreateTransactionDocumentListCell> CreateTransactionDocumentListCell::self()
{
    return std::static_pointer_cast<CreateTransactionDocumentListCell>(shared_from_this());
}

void CreateTransactionDocumentListCell::awakeFromNib()
{
    const auto list = self();
    const auto table = documentsTableView.lock();
    table->setDelegate(list);
    table->setDataSource(list);
    addInteraction(std::make_shared<platform::dragdrop::DropInteraction>(list));
    setUserInteractionEnabled(true);
    table->setDropDelegate(list);
    table->reloadData();
    table->setInteractiveDelegate(list);
    platform::NotificationCenter::defaultCenter().addObserver(
        list, platform::ui::ScreenNotifications::orientationDidChange, nullptr,
        [weak = std::weak_ptr(list)](const platform::Notification&) {
            if (const auto cell = weak.lock()) {
                cell->handleOrientationChange();
            }
        });
}

void CreateTransactionDocumentListCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    // The list's rows reach the row's edges, and keep their own content to the safe area.
    documentsTableView.lock()->setFrame(contentView()->convertRectFrom(bounds(), this));
    emptyHint_->setFrame(contentView()->bounds());
}

void CreateTransactionDocumentListCell::handleOrientationChange()
{
    documentsTableView.lock()->reloadData();
}

// The inner table

int CreateTransactionDocumentListCell::numberOfSections(TableView&)
{
    return 1;
}

int CreateTransactionDocumentListCell::numberOfRows(TableView&, int)
{
    // Without removals on their way the rows are the model's documents; their names are
    // gathered only to leave the pending ones out.
    const int rows =
        removals_.empty() ? model()->documentsNumber() : static_cast<int>(removals_.shown(documentNames()).size());
    // Every reload asks this first, so the hint follows the list.
    emptyHint_->setHidden(rows > 0);
    return rows;
}

std::vector<std::string> CreateTransactionDocumentListCell::documentNames()
{
    const auto current = model();
    std::vector<std::string> names;
    for (int index = 0; index < current->documentsNumber(); ++index) {
        names.push_back(current->nameOfDocumentWithIndex(index).value_or(""));
    }
    return names;
}

std::optional<int> CreateTransactionDocumentListCell::modelRowForTableRow(int tableRow) const
{
    if (removals_.empty()) {
        const int documents = model()->documentsNumber();
        return tableRow >= 0 && tableRow <= documents ? std::optional(tableRow) : std::nullopt;
    }
    return removals_.modelRowForTableRow(tableRow, documentNames());
}

std::optional<double> CreateTransactionDocumentListCell::heightForRow(TableView&, const IndexPath&)
{
    return rowHeight;
}

platform::ui::TableViewCellPtr CreateTransactionDocumentListCell::cellForRow(TableView& table,
                                                                             const IndexPath& indexPath)
{
    const auto row = std::dynamic_pointer_cast<CreateTransactionDocumentCell>(
        table.dequeueReusableCell(CreateTransactionDocumentCell::identifier, indexPath));
    if (!row) {
        return std::make_shared<platform::ui::TableViewCell>();
    }
    // Rows on their way out are no longer shown; the rest keep the model's order.
    const auto modelRow = modelRowForTableRow(indexPath.row);
    const Dictionary document = model()->displayDataForDocumentWithIndex(modelRow.value_or(-1));
    row->filePath = stringAt(document, "path");
    row->setDelegate(self());
    row->documentNameabel.lock()->setText(stringAt(document, "displayName"));
    row->hideBackView(false);
    const bool showsHandle = table.numberOfRows(0) >= 2 && canReorderDocuments_;
    const auto handle = row->dragLabel.lock();
    handle->setHidden(!showsHandle);
    handle->setAlpha(showsHandle ? 1.0 : 0.0);
    return row;
}

// Drags to reorder

void CreateTransactionDocumentListCell::tableViewCellDraggingDidStart()
{
    post(CreateTransactionNotifications::documentDraggingStarted);
}

void CreateTransactionDocumentListCell::tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(
    VLTInteractiveTableView&, const IndexPath& from, const IndexPath& to)
{
    const auto modelFrom = modelRowForTableRow(from.row);
    const auto modelTo = modelRowForTableRow(to.row);
    if (modelFrom && modelTo) {
        model()->changePlaceOfDocumentWithIndexToIndex(*modelFrom, *modelTo);
    }
}

void CreateTransactionDocumentListCell::tableViewCellDraggingDidFinishWithTableView(VLTInteractiveTableView& tableView)
{
    post(CreateTransactionNotifications::documentDraggingEnded);
    ZKTracker::reportEvent("Reorder Document");
    tableView.reloadData();
}

void CreateTransactionDocumentListCell::tableViewCellDraggingCanceledWithLocked(bool)
{
    post(CreateTransactionNotifications::documentDraggingEnded);
}

// The rows

void CreateTransactionDocumentListCell::documentCellDeleteButtonTapped(CreateTransactionDocumentCell& cell)
{
    const auto table = documentsTableView.lock();
    const auto indexPath = table->indexPathForCell(cell);
    if (!indexPath) {
        return;
    }
    const auto modelRow = modelRowForTableRow(indexPath->row);
    const auto name = modelRow ? model()->nameOfDocumentWithIndex(*modelRow) : std::nullopt;
    if (!name) {
        return;
    }
    removals_.add(*name);
    table->deleteRows({*indexPath}, platform::ui::TableRowAnimation::left);
    // The list outlives the page's table for the removal's sake: the document the person
    // took out leaves the model even when the page closes meanwhile.
    CreateTransactionUtil::runBlockafterDelay(deletionDelay, [list = self()] { list->removeFirstPendingDocument(); });
}

void CreateTransactionDocumentListCell::removeFirstPendingDocument()
{
    if (const auto modelRow = removals_.takeFirst(documentNames())) {
        model()->removeDocumentWithIndex(*modelRow);
        ZKTracker::reportEvent("Delete Document");
    }
}

void CreateTransactionDocumentListCell::documentCellDidTapOnCell(CreateTransactionDocumentCell& cell)
{
    const auto indexPath = documentsTableView.lock()->indexPathForCell(cell);
    const auto listener = delegate();
    // While a removal is on its way the model's places are about to shift under the
    // preview that would open: the tap is let go.
    if (!indexPath || !cell.filePath || !listener || !removals_.empty()) {
        return;
    }
    listener->createTransactionDocumentListCellContentOfFilePreviewRequested(*cell.filePath, indexPath->row);
}

// Drops

bool CreateTransactionDocumentListCell::tableViewCanHandleDropSession(TableView&, const DropSession& session)
{
    return session.canLoadObjectsOfClass<DragAndDropDocument>();
}

platform::dragdrop::TableViewDropProposal CreateTransactionDocumentListCell::
    tableViewDropSessionDidUpdateWithDestinationIndexPath(TableView&, const DropSession&,
                                                          const std::optional<IndexPath>&)
{
    platform::dragdrop::TableViewDropProposal proposal;
    proposal.operation = DropOperation::copy;
    proposal.intent = platform::dragdrop::TableViewDropIntent::insertAtDestinationIndexPath;
    return proposal;
}

void CreateTransactionDocumentListCell::tableViewPerformDropWithCoordinator(
    TableView& tableView, const platform::dragdrop::TableViewDropCoordinator& coordinator)
{
    const auto& destination = coordinator.destinationIndexPath();
    const int tableRow = destination ? destination->row : tableView.numberOfRows(0);
    importDrop(coordinator.session(), modelRowForTableRow(tableRow).value_or(model()->documentsNumber()));
}

bool CreateTransactionDocumentListCell::dropInteractionCanHandleSession(platform::dragdrop::DropInteraction&,
                                                                        const DropSession& session)
{
    return session.canLoadObjectsOfClass<DragAndDropDocument>();
}

platform::dragdrop::DropProposal CreateTransactionDocumentListCell::dropInteractionSessionDidUpdate(
    platform::dragdrop::DropInteraction&, const DropSession&)
{
    return {DropOperation::copy};
}

void CreateTransactionDocumentListCell::dropInteractionPerformDrop(platform::dragdrop::DropInteraction&,
                                                                   const DropSession& session)
{
    importDrop(session, std::nullopt);
}

void CreateTransactionDocumentListCell::importDrop(const DropSession& session, std::optional<int> destinationRow)
{
    CreateTransactionDocumentDrop::perform(session, destinationRow, [weak = std::weak_ptr(self())] {
        if (const auto list = weak.lock()) {
            list->documentsTableView.lock()->reloadData();
        }
    });
}

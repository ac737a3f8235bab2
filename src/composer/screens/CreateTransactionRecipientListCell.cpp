#include "composer/screens/CreateTransactionRecipientListCell.h"

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionContactDrop.h"
#include "composer/screens/CreateTransactionEmptyListHint.h"
#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "composer/screens/CreateTransactionRecipientCell.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "dragdrop/TypeIdentifier.h"
#include "foundation/NotificationCenter.h"
#include "sdk/screens/VTAlertView.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"
#include "ui/Screen.h"

using platform::ui::IndexPath;
using platform::ui::TableView;

namespace {

constexpr const char* notAddedMessageKey =
    localizableKey("%@ contant(s) were not added.\nMissing information or existing contact");

std::string notAddedMessage(int notAdded)
{
    std::string message = localizedSDK(notAddedMessageKey);
    const auto placeholder = message.find("%@");
    if (placeholder != std::string::npos) {
        message.replace(placeholder, 2, std::to_string(notAdded));
    }
    return message;
}

} // namespace

CreateTransactionRecipientListCell::CreateTransactionRecipientListCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    setBackgroundColor(CreateTransactionLook::pageBackground());
    auto table = std::make_shared<VLTInteractiveTableView>();
    table->setBackgroundColor(CreateTransactionLook::pageBackground());
    // The page makes this row tall enough for every recipient; the page scrolls.
    table->setScrollEnabled(false);
    table->registerCell(CreateTransactionRecipientCell::cellIdentifier,
                        [] { return std::make_shared<CreateTransactionRecipientCell>(); });
    contentView()->addSubview(table);
    signersTableView = table;
    emptyHint_ = CreateTransactionEmptyListHint::make(localizedSDK("No recipients yet"));
    contentView()->addSubview(emptyHint_);
}

CreateTransactionRecipientListCell::~CreateTransactionRecipientListCell()
{
    platform::NotificationCenter::defaultCenter().removeObserver(this);
}

std::shared_ptr<VLTNewTransactionViewModel> CreateTransactionRecipientListCell::model()
{
    return VLTNewTransactionViewModel::sharedInstance();
}

std::shared_ptr<CreateTransactionRecipientListCell> CreateTransactionRecipientListCell::self()
{
    return std::static_pointer_cast<CreateTransactionRecipientListCell>(shared_from_this());
}

void CreateTransactionRecipientListCell::awakeFromNib()
{
    const auto list = self();
    const auto table = signersTableView.lock();
    table->setDataSource(list);
    table->setDelegate(list);
    setUserInteractionEnabled(true);
    addInteraction(std::make_shared<platform::dragdrop::DropInteraction>(list));
    table->setInteractiveDelegate(list);
    table->turnOnDragToOrder();
    const std::weak_ptr<CreateTransactionRecipientListCell> weak = list;
    platform::NotificationCenter::defaultCenter().addObserver(
        list, platform::ui::ScreenNotifications::orientationDidChange, nullptr, [weak](const platform::Notification&) {
            if (const auto cell = weak.lock()) {
                cell->handleOrientationChange();
            }
        });
}

void CreateTransactionRecipientListCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    // The list's rows reach the row's edges, and keep their own content to the safe area.
    signersTableView.lock()->setFrame(contentView()->convertRectFrom(bounds(), this));
    emptyHint_->setFrame(contentView()->bounds());
}

void CreateTransactionRecipientListCell::handleOrientationChange()
{
    signersTableView.lock()->reloadData();
}

// The inner table

int CreateTransactionRecipientListCell::numberOfSections(TableView&)
{
    return 1;
}

int CreateTransactionRecipientListCell::numberOfRows(TableView&, int)
{
    const int rows = std::max(0, model()->signersNumber() - numberOfDeletedSigners());
    // Every reload asks this first, so the hint follows the list.
    emptyHint_->setHidden(rows > 0);
    return rows;
}

std::optional<double> CreateTransactionRecipientListCell::heightForRow(TableView&, const IndexPath&)
{
    return rowHeight;
}

platform::ui::TableViewCellPtr CreateTransactionRecipientListCell::cellForRow(TableView& table,
                                                                              const IndexPath& indexPath)
{
    const auto row = std::dynamic_pointer_cast<CreateTransactionRecipientCell>(
        table.dequeueReusableCell(CreateTransactionRecipientCell::cellIdentifier, indexPath));
    if (!row) {
        return std::make_shared<platform::ui::TableViewCell>();
    }
    // Rows on their way out are no longer shown; the rest keep the model's order.
    row->fillWithSignerRow(model()->dataForSignerWithIndex(removals_.modelRowForTableRow(indexPath.row)),
                           indexPath.row);
    row->setDelegate(self());
    row->updateCellForOrderedSigning(model()->orderedSigning(), false);
    row->hideBackMenu(false);
    return row;
}

// Reordering

void CreateTransactionRecipientListCell::tableViewCellDraggingDidStart()
{
    if (model()->signersNumber() < 2) {
        return;
    }
    model()->setOrderSigning(true);
    platform::NotificationCenter::defaultCenter().post(CreateTransactionNotifications::orderedSigningTurnedOn);
    if (const auto listener = delegate()) {
        listener->createTransactionRecipientListCellTurnedOnOrderedSigning();
    }
    ZKTracker::reportEvent("Order Recipients toggle");
}

void CreateTransactionRecipientListCell::tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(
    VLTInteractiveTableView&, const IndexPath& from, const IndexPath& to)
{
    if (const auto listener = delegate()) {
        listener->createTransactionRecipientListCellTurnedOnOrderedSigning();
    }
    model()->changePlaceOfSignerWithIndexToIndex(from.row, to.row);
}

void CreateTransactionRecipientListCell::tableViewCellDraggingDidFinishWithTableView(VLTInteractiveTableView& tableView)
{
    tableView.reloadData();
}

void CreateTransactionRecipientListCell::tableViewCellDraggingCanceledWithLocked(bool)
{
    signersTableView.lock()->reloadData();
}

// The rows

void CreateTransactionRecipientListCell::createTransactionRecipientCellTrashButtonTapped(
    CreateTransactionRecipientCell& cell)
{
    const auto table = signersTableView.lock();
    const auto indexPath = table->indexPathForCell(cell);
    if (!indexPath) {
        return;
    }
    removals_.add(indexPath->row);
    table->deleteRows({*indexPath}, platform::ui::TableRowAnimation::left);
    // The list outlives the page's table for the removal's sake: the recipient the person
    // took out leaves the model even when the page closes meanwhile.
    CreateTransactionUtil::runBlockafterDelay(removalDelay, [list = self()] { list->removeFirstPendingSigner(); });
}

void CreateTransactionRecipientListCell::removeFirstPendingSigner()
{
    model()->removeSignerWithIndex(removals_.takeFirst());
    ZKTracker::reportEvent("Remove recipient");
}

void CreateTransactionRecipientListCell::createTransactionRecipientCellTappedForSelection(
    CreateTransactionRecipientCell& cell)
{
    const auto listener = delegate();
    const auto indexPath = signersTableView.lock()->indexPathForCell(cell);
    // While a removal is on its way the model's places are about to shift under the
    // page that would open: the tap is let go.
    if (!listener || !indexPath || numberOfDeletedSigners() > 0) {
        return;
    }
    listener->setSelectedSignerIndex(indexPath->row);
    listener->performSegueWithIdentifierSender(CreateTransactionStoryboard::toAddSignerPageSegue, shared_from_this());
}

// Dropped contact cards

bool CreateTransactionRecipientListCell::dropInteractionCanHandleSession(platform::dragdrop::DropInteraction&,
                                                                         const platform::dragdrop::DropSession& session)
{
    return session.hasItemsConformingToTypeIdentifiers({std::string(platform::dragdrop::TypeIdentifier::vCard)});
}

platform::dragdrop::DropProposal CreateTransactionRecipientListCell::dropInteractionSessionDidUpdate(
    platform::dragdrop::DropInteraction&, const platform::dragdrop::DropSession&)
{
    return {platform::dragdrop::DropOperation::copy};
}

void CreateTransactionRecipientListCell::dropInteractionPerformDrop(platform::dragdrop::DropInteraction&,
                                                                    const platform::dragdrop::DropSession& session)
{
    const int firstPosition = signersTableView.lock()->numberOfRows(0);
    // The model tells the page of the whole batch at once, and the page redraws this list.
    CreateTransactionContactDrop::start(session, firstPosition, [](int total, int added) {
        if (total == added) {
            return;
        }
        VTAlertView::sharedInstance()->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(
            localizedSDK("Error"), notAddedMessage(total - added), localizedSDK("OK"));
    });
}

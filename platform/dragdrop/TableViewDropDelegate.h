#pragma once

#include "dragdrop/DropProposal.h"
#include "dragdrop/DropSession.h"
#include "dragdrop/TableViewDropCoordinator.h"
#include "ui/TableDropDelegate.h"

#include <optional>

namespace platform::ui {
class TableView;
}

namespace platform::dragdrop {

// A table's drop target, set with TableView::setDropDelegate. Performing the drop is
// required; by default a session is handled and proposed nothing (cancel).
class TableViewDropDelegate : public ui::TableDropDelegate {
public:
    virtual bool tableViewCanHandleDropSession(ui::TableView& tableView, const DropSession& session);
    virtual TableViewDropProposal tableViewDropSessionDidUpdateWithDestinationIndexPath(
        ui::TableView& tableView, const DropSession& session, const std::optional<ui::IndexPath>& destinationIndexPath);
    virtual void tableViewPerformDropWithCoordinator(ui::TableView& tableView, const TableViewDropCoordinator& coordinator) = 0;
};

} // namespace platform::dragdrop

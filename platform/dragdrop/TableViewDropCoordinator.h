#pragma once

#include "dragdrop/DropProposal.h"
#include "dragdrop/DropSession.h"
#include "ui/IndexPath.h"

#include <optional>

namespace platform::dragdrop {

// What a table's drop delegate gets when items are dropped on the table: the session,
// the row under the drop point (none past the last row) and the accepted proposal.
class TableViewDropCoordinator {
public:
    TableViewDropCoordinator(const DropSession& session, std::optional<ui::IndexPath> destinationIndexPath,
        TableViewDropProposal proposal);

    const DropSession& session() const { return session_; }
    const std::optional<ui::IndexPath>& destinationIndexPath() const { return destinationIndexPath_; }
    const TableViewDropProposal& proposal() const { return proposal_; }

private:
    const DropSession& session_;
    std::optional<ui::IndexPath> destinationIndexPath_;
    TableViewDropProposal proposal_;
};

} // namespace platform::dragdrop

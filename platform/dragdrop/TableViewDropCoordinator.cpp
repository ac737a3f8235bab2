#include "dragdrop/TableViewDropCoordinator.h"

namespace platform::dragdrop {

TableViewDropCoordinator::TableViewDropCoordinator(
    const DropSession& session, std::optional<ui::IndexPath> destinationIndexPath, TableViewDropProposal proposal)
    : session_(session)
    , destinationIndexPath_(destinationIndexPath)
    , proposal_(proposal)
{
}

} // namespace platform::dragdrop

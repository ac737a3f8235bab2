#include "dragdrop/TableViewDropDelegate.h"

namespace platform::dragdrop {

bool TableViewDropDelegate::tableViewCanHandleDropSession(ui::TableView&, const DropSession&)
{
    return true;
}

TableViewDropProposal TableViewDropDelegate::tableViewDropSessionDidUpdateWithDestinationIndexPath(
    ui::TableView&, const DropSession&, const std::optional<ui::IndexPath>&)
{
    return {};
}

} // namespace platform::dragdrop

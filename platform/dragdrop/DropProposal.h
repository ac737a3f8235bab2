#pragma once

namespace platform::dragdrop {

enum class DropOperation { cancel, forbidden, copy, move };

// What a drop target would do with the items where they are.
struct DropProposal {
    DropOperation operation = DropOperation::cancel;

    bool accepts() const { return operation == DropOperation::copy || operation == DropOperation::move; }
};

enum class TableViewDropIntent { unspecified, insertAtDestinationIndexPath, insertIntoDestinationIndexPath, automatic };

// A table's proposal also says where the items go relative to the destination row.
struct TableViewDropProposal : DropProposal {
    TableViewDropIntent intent = TableViewDropIntent::unspecified;
};

} // namespace platform::dragdrop

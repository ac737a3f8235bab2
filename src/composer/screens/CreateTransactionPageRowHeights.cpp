#include "composer/screens/CreateTransactionPageRowHeights.h"

#include <algorithm>

double CreateTransactionPageRowHeights::heightForRow(int row) const
{
    const bool regular = screen_.regularByRegular;
    switch (row) {
    case name:
        if (!nameRowOpen_) {
            return 0;
        }
        return regular ? openNameRowHeightRegular : openNameRowHeightCompact;
    case documentsHeader:
    case addRecipient:
        return regular ? 52 : 48;
    case documentList:
        return documentListHeight();
    case recipientList:
        return std::max(listRowHeight * signers_, 2 * listRowHeight);
    case messageToAll:
        return regular ? 610 : 0;
    default:
        return 48;
    }
}

double CreateTransactionPageRowHeights::documentListHeight() const
{
    const double rows = listRowHeight * documents_;
    const bool shortFloor = !screen_.regularByRegular && screen_.landscape;
    return std::max(rows, shortFloor ? listRowHeight : 2 * listRowHeight);
}

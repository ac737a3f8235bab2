#include "composer/screens/PendingSignerRemovals.h"

#include <algorithm>

int PendingSignerRemovals::modelRowForTableRow(int tableRow) const
{
    auto pending = std::deque<int>(modelRows_);
    std::sort(pending.begin(), pending.end());
    int modelRow = tableRow;
    for (const int removed : pending) {
        if (removed <= modelRow) {
            ++modelRow;
        }
    }
    return modelRow;
}

int PendingSignerRemovals::add(int tableRow)
{
    const int modelRow = modelRowForTableRow(tableRow);
    modelRows_.push_back(modelRow);
    return modelRow;
}

int PendingSignerRemovals::takeFirst()
{
    const int modelRow = modelRows_.front();
    modelRows_.pop_front();
    for (int& other : modelRows_) {
        if (other > modelRow) {
            --other;
        }
    }
    return modelRow;
}

void PendingSignerRemovals::recipientMoved(int from, int to)
{
    for (int& row : modelRows_) {
        if (row == from) {
            row = to;
        } else if (from < to && row > from && row <= to) {
            --row;
        } else if (to < from && row >= to && row < from) {
            ++row;
        }
    }
}

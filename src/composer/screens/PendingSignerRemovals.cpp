#include "composer/screens/PendingSignerRemovals.h"

#include <algorithm>
#include <vector>

int PendingSignerRemovals::modelRowForTableRow(int tableRow) const
{
    std::vector<int> pending(modelRows_.begin(), modelRows_.end());
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

#pragma once

#include <deque>

// The recipients a list has already taken out of its table while the model still holds
// them, in the order they were taken out, each by its place in the model. The table's
// rows are the model's recipients without these, in the model's order. A value; one
// owner, one thread.
class PendingSignerRemovals {
public:
    int count() const { return static_cast<int>(modelRows_.size()); }
    // The model's place of the recipient shown in the table's row.
    int modelRowForTableRow(int tableRow) const;

    // The recipient of the table's row leaves the table; answers its place in the model.
    int add(int tableRow);
    // The model is about to remove the first recipient taken out: answers its place and
    // forgets it, so that the places of the others follow the removal.
    int takeFirst();

private:
    std::deque<int> modelRows_;
};

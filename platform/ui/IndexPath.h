#pragma once

#include <compare>

namespace platform::ui {

// A row of a section of a table.
struct IndexPath {
    int section = 0;
    int row = 0;
    auto operator<=>(const IndexPath&) const = default;
    bool operator==(const IndexPath&) const = default;
    // The row under its other name, for lists of items.
    int item() const { return row; }
};

} // namespace platform::ui

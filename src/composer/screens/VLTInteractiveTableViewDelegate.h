#pragma once

#include "ui/IndexPath.h"

#include <optional>
#include <vector>

class VLTInteractiveTableView;

// The owner of a reorderable table: it hears about drags and may name locked rows.
class VLTInteractiveTableViewDelegate {
public:
    virtual ~VLTInteractiveTableViewDelegate() = default;

    // The lifted row moves from `from` to `to`; the table moves its own row afterwards.
    virtual void tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(VLTInteractiveTableView& tableView,
                                                                             const platform::ui::IndexPath& from,
                                                                             const platform::ui::IndexPath& to) = 0;
    // A drag begins, before the row's image is made.
    virtual void tableViewCellDraggingDidStart() = 0;
    // A drag has ended and the image has slid back.
    virtual void tableViewCellDraggingDidFinishWithTableView(VLTInteractiveTableView& tableView) = 0;
    // A long press on a locked row was refused; `locked` is always true.
    virtual void tableViewCellDraggingCanceledWithLocked(bool locked) = 0;

    // Optional: sections to lock; nothing when not implemented.
    virtual std::optional<std::vector<int>> sectionsForDisablingFeatures() { return std::nullopt; }
    // Optional: single rows to lock; nothing when not implemented.
    virtual std::optional<std::vector<platform::ui::IndexPath>> indexPathsForDisablingFeaturesWithTableView(
        VLTInteractiveTableView& tableView)
    {
        (void)tableView;
        return std::nullopt;
    }
};

#pragma once

#include "dragdrop/DragItem.h"
#include "dragdrop/DropProposal.h"
#include "graphics/Geometry.h"

#include <memory>
#include <vector>

namespace platform::ui {
class View;
class Window;
} // namespace platform::ui

namespace platform::dragdrop {

class DropSession;

// What became of a drop: the view whose target took it (null when none did) and the
// operation it proposed.
struct DropOutcome {
    bool performed = false;
    DropOperation operation = DropOperation::cancel;
    std::shared_ptr<ui::View> target;
};

// Plays a user dropping items, dragged in from another application, at a point of a
// window, for tests and the sample host. From the view under the point outwards, the
// first drop target that can handle the session gets it: a table with a drop delegate
// (told the row under the point, none past the last row) or a view with a drop
// interaction. It is asked for its proposal and performs the drop when the proposal is
// copy or move.
class DropInjector {
public:
    // The key window when none is given.
    explicit DropInjector(std::shared_ptr<ui::Window> window = nullptr);

    DropOutcome drop(std::vector<DragItem> items, const graphics::Point& pointInWindow) const;
    // At the centre of the view.
    DropOutcome drop(std::vector<DragItem> items, const ui::View& view) const;

private:
    std::optional<DropOutcome> offerToTable(ui::View& view, const DropSession& session) const;
    std::optional<DropOutcome> offerToInteractions(ui::View& view, const DropSession& session) const;

    std::shared_ptr<ui::Window> window_;
};

} // namespace platform::dragdrop

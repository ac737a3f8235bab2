#include "dragdrop/DropInjector.h"

#include "dragdrop/DropInteraction.h"
#include "dragdrop/TableViewDropDelegate.h"
#include "ui/Application.h"
#include "ui/TableView.h"
#include "ui/Window.h"

namespace platform::dragdrop {

DropInjector::DropInjector(std::shared_ptr<ui::Window> window)
    : window_(window ? std::move(window) : ui::Application::shared().keyWindow())
{
}

DropOutcome DropInjector::drop(std::vector<DragItem> items, const graphics::Point& pointInWindow) const
{
    if (!window_)
        return {};
    const DropSession session(std::move(items), pointInWindow);
    for (auto view = window_->hitTest(window_->convertPointFrom(pointInWindow, nullptr)); view; view = view->superview()) {
        if (auto outcome = offerToTable(*view, session))
            return *outcome;
        if (auto outcome = offerToInteractions(*view, session))
            return *outcome;
    }
    return {};
}

DropOutcome DropInjector::drop(std::vector<DragItem> items, const ui::View& view) const
{
    const graphics::Rect bounds = view.bounds();
    return drop(std::move(items), view.convertPointTo({bounds.midX(), bounds.midY()}, nullptr));
}

std::optional<DropOutcome> DropInjector::offerToTable(ui::View& view, const DropSession& session) const
{
    auto* table = dynamic_cast<ui::TableView*>(&view);
    const auto delegate = table ? std::dynamic_pointer_cast<TableViewDropDelegate>(table->dropDelegate()) : nullptr;
    if (!delegate || !delegate->tableViewCanHandleDropSession(*table, session))
        return std::nullopt;
    const auto destination = table->indexPathForRow(session.locationInView(*table));
    const TableViewDropProposal proposal
        = delegate->tableViewDropSessionDidUpdateWithDestinationIndexPath(*table, session, destination);
    DropOutcome outcome{proposal.accepts(), proposal.operation, view.shared_from_this()};
    if (outcome.performed)
        delegate->tableViewPerformDropWithCoordinator(*table, TableViewDropCoordinator(session, destination, proposal));
    return outcome;
}

std::optional<DropOutcome> DropInjector::offerToInteractions(ui::View& view, const DropSession& session) const
{
    for (const auto& interaction : view.interactions()) {
        auto drop = std::dynamic_pointer_cast<DropInteraction>(interaction);
        const auto delegate = drop ? drop->delegate() : nullptr;
        if (!delegate || !delegate->dropInteractionCanHandleSession(*drop, session))
            continue;
        const DropProposal proposal = delegate->dropInteractionSessionDidUpdate(*drop, session);
        DropOutcome outcome{proposal.accepts(), proposal.operation, view.shared_from_this()};
        if (outcome.performed)
            delegate->dropInteractionPerformDrop(*drop, session);
        return outcome;
    }
    return std::nullopt;
}

} // namespace platform::dragdrop

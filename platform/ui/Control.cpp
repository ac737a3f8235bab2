#include "ui/Control.h"

#include <algorithm>

namespace platform::ui {

void Control::addTarget(const std::shared_ptr<void>& target, ControlEvent event, Action action)
{
    actions_.push_back({event, true, target, std::move(action)});
}

void Control::addAction(ControlEvent event, Action action)
{
    actions_.push_back({event, false, {}, std::move(action)});
}

void Control::removeAllActions(ControlEvent event)
{
    actions_.erase(std::remove_if(actions_.begin(), actions_.end(), [&](const Entry& entry) { return entry.event == event; }),
                   actions_.end());
}

bool Control::hasActions(ControlEvent event) const
{
    return std::any_of(actions_.begin(), actions_.end(), [&](const Entry& entry) { return entry.event == event; });
}

void Control::sendActions(ControlEvent event)
{
    const auto keepAlive = weak_from_this().lock();
    const auto actions = actions_;
    for (const auto& entry : actions) {
        if (entry.event != event || (entry.hasTarget && entry.target.expired())) {
            continue;
        }
        entry.action(*this);
    }
}

void Control::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled) {
        highlighted_ = false;
    }
    stateDidChange();
}

void Control::setSelected(bool selected)
{
    selected_ = selected;
    stateDidChange();
}

ControlState Control::state() const
{
    if (!enabled_) {
        return ControlState::disabled;
    }
    if (highlighted_) {
        return ControlState::highlighted;
    }
    return selected_ ? ControlState::selected : ControlState::normal;
}

bool Control::isNear(const Touch& touch) const
{
    return bounds().insetBy(-touchSlack, -touchSlack).contains(touch.locationInView(this));
}

void Control::touchesBegan(const TouchSet&)
{
    if (!enabled_) {
        return;
    }
    highlighted_ = true;
    stateDidChange();
    sendActions(ControlEvent::touchDown);
}

void Control::touchesMoved(const TouchSet& touches)
{
    if (!enabled_ || touches.empty()) {
        return;
    }
    highlighted_ = isNear(*touches.front());
    stateDidChange();
}

void Control::touchesEnded(const TouchSet& touches)
{
    if (!enabled_ || touches.empty()) {
        return;
    }
    highlighted_ = false;
    stateDidChange();
    if (isNear(*touches.front())) {
        tapped();
    }
}

void Control::touchesCancelled(const TouchSet&)
{
    highlighted_ = false;
    stateDidChange();
}

void Control::tapped()
{
    sendActions(ControlEvent::touchUpInside);
}

} // namespace platform::ui

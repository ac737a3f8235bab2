#include "ui/GestureRecognizer.h"

#include "ui/View.h"

#include <algorithm>

namespace platform::ui {

GestureRecognizer::GestureRecognizer(Action action)
{
    addAction(std::move(action));
}

void GestureRecognizer::setView(View* view)
{
    if (view_ && view != view_) {
        touches_.clear();
        state_ = isActive() ? GestureState::cancelled : GestureState::failed;
    }
    view_ = view;
}

void GestureRecognizer::addTarget(const std::shared_ptr<void>& target, Action action)
{
    targets_.push_back({true, target, std::move(action)});
}

void GestureRecognizer::addAction(Action action)
{
    targets_.push_back({false, {}, std::move(action)});
}

void GestureRecognizer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (enabled) {
        return;
    }
    cancel();
    touches_.clear();
}

graphics::Point GestureRecognizer::locationInView(const View* view) const
{
    graphics::Point location = lastLocation_;
    if (!touches_.empty()) {
        location = {};
        for (const auto& touch : touches_) {
            location = location + touch->locationInWindow;
        }
        location = {location.x / touches_.size(), location.y / touches_.size()};
    }
    return view ? view->convertPointFrom(location, nullptr) : location;
}

void GestureRecognizer::touchesBegan(const TouchSet& touches)
{
    if (!enabled_ || (state_ != GestureState::possible && !isActive())) {
        return;
    }
    for (const auto& touch : touches) {
        touches_.push_back(touch);
        lastLocation_ = touch->locationInWindow;
        began(*touch);
    }
}

void GestureRecognizer::touchesMoved(const TouchSet& touches)
{
    if (!enabled_) {
        return;
    }
    for (const auto& touch : touches) {
        if (std::find(touches_.begin(), touches_.end(), touch) == touches_.end()) {
            continue;
        }
        lastLocation_ = touch->locationInWindow;
        if (state_ == GestureState::possible || isActive()) {
            moved(*touch);
        }
    }
}

void GestureRecognizer::touchesEnded(const TouchSet& touches)
{
    for (const auto& touch : touches) {
        const auto position = std::find(touches_.begin(), touches_.end(), touch);
        if (position == touches_.end()) {
            continue;
        }
        lastLocation_ = touch->locationInWindow;
        if (enabled_ && (state_ == GestureState::possible || isActive())) {
            ended(*touch);
        }
        forgetTouch(touch);
    }
}

void GestureRecognizer::touchesCancelled(const TouchSet& touches)
{
    for (const auto& touch : touches) {
        const auto position = std::find(touches_.begin(), touches_.end(), touch);
        if (position == touches_.end()) {
            continue;
        }
        cancelled(*touch);
        forgetTouch(touch);
    }
}

void GestureRecognizer::forgetTouch(const std::shared_ptr<Touch>& touch)
{
    touches_.erase(std::remove(touches_.begin(), touches_.end(), touch), touches_.end());
}

void GestureRecognizer::cancelled(const Touch&)
{
    cancel();
}

void GestureRecognizer::preventedByOther()
{
    if (state_ == GestureState::possible) {
        fail();
    } else if (isActive()) {
        cancel();
    }
}

void GestureRecognizer::reset()
{
    state_ = GestureState::possible;
    touches_.clear();
    resetGesture();
}

bool GestureRecognizer::hasRecognized() const
{
    return isActive() || state_ == GestureState::ended;
}

bool GestureRecognizer::mayBegin()
{
    if (const auto owner = delegate(); owner && !owner->gestureRecognizerShouldBegin(*this)) {
        return false;
    }
    return !view_ || view_->gestureRecognizerShouldBegin(*this);
}

void GestureRecognizer::beginGesture()
{
    if (state_ != GestureState::possible) {
        return;
    }
    if (!mayBegin()) {
        fail();
        return;
    }
    setState(GestureState::began);
}

void GestureRecognizer::changeGesture()
{
    if (isActive()) {
        setState(GestureState::changed);
    }
}

void GestureRecognizer::endGesture()
{
    if (isActive()) {
        setState(GestureState::ended);
    }
}

void GestureRecognizer::recognize()
{
    if (state_ != GestureState::possible) {
        return;
    }
    if (!mayBegin()) {
        fail();
        return;
    }
    setState(GestureState::ended);
}

void GestureRecognizer::fail()
{
    if (state_ == GestureState::possible) {
        state_ = GestureState::failed;
        touches_.clear();
    }
}

void GestureRecognizer::cancel()
{
    if (isActive()) {
        setState(GestureState::cancelled);
        touches_.clear();
    } else {
        fail();
    }
}

void GestureRecognizer::setState(GestureState state)
{
    state_ = state;
    sendActions();
}

void GestureRecognizer::sendActions()
{
    const auto keepAlive = weak_from_this().lock();
    const auto targets = targets_;
    for (const auto& target : targets) {
        if (target.hasTarget && target.target.expired()) {
            continue;
        }
        target.action(*this);
    }
}

} // namespace platform::ui

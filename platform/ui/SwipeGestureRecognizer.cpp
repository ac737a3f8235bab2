#include "ui/SwipeGestureRecognizer.h"

#include <cmath>

namespace platform::ui {

namespace {

// How far the finger went in the direction and across it.
std::pair<double, double> travel(SwipeDirection direction, const graphics::Point& offset)
{
    switch (direction) {
    case SwipeDirection::left:
        return {-offset.x, std::abs(offset.y)};
    case SwipeDirection::up:
        return {-offset.y, std::abs(offset.x)};
    case SwipeDirection::down:
        return {offset.y, std::abs(offset.x)};
    default:
        return {offset.x, std::abs(offset.y)};
    }
}

} // namespace

void SwipeGestureRecognizer::began(const Touch& touch)
{
    start_ = touch.locationInWindow;
    startTime_ = touch.timestamp;
}

void SwipeGestureRecognizer::moved(const Touch& touch)
{
    if (touch.timestamp - startTime_ > maximumDuration) {
        fail();
        return;
    }
    const auto [along, across] = travel(direction_, touch.locationInWindow - start_);
    if (along < -minimumDistance / 2 || across > minimumDistance) {
        fail();
        return;
    }
    if (along >= minimumDistance && across <= along / 2) {
        recognize();
    }
}

void SwipeGestureRecognizer::ended(const Touch& touch)
{
    moved(touch);
    fail();
}

} // namespace platform::ui

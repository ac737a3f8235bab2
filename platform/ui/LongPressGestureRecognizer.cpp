#include "ui/LongPressGestureRecognizer.h"

#include "foundation/RunLoop.h"

#include <cmath>

namespace platform::ui {

void LongPressGestureRecognizer::began(const Touch& touch)
{
    start_ = touch.locationInWindow;
    const auto number = ++pressNumber_;
    const std::weak_ptr<GestureRecognizer> weak = weak_from_this();
    RunLoop::main().dispatchAfter(minimumPressDuration_, [weak, number] {
        const auto strong = weak.lock();
        auto* press = static_cast<LongPressGestureRecognizer*>(strong.get());
        if (press && press->pressNumber_ == number && press->state() == GestureState::possible &&
            press->numberOfTouches() > 0) {
            press->beginGesture();
        }
    });
}

void LongPressGestureRecognizer::moved(const Touch& touch)
{
    if (isActive()) {
        changeGesture();
        return;
    }
    const graphics::Point offset = touch.locationInWindow - start_;
    if (std::hypot(offset.x, offset.y) > allowableMovement_) {
        fail();
    }
}

void LongPressGestureRecognizer::ended(const Touch&)
{
    if (isActive()) {
        endGesture();
    } else {
        fail();
    }
}

void LongPressGestureRecognizer::resetGesture()
{
    ++pressNumber_;
}

} // namespace platform::ui

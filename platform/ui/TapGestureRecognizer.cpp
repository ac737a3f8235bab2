#include "ui/TapGestureRecognizer.h"

#include <cmath>

namespace platform::ui {

void TapGestureRecognizer::began(const Touch& touch)
{
    if (numberOfTouches() > 1) {
        fail();
        return;
    }
    start_ = touch.locationInWindow;
}

void TapGestureRecognizer::moved(const Touch& touch)
{
    const graphics::Point offset = touch.locationInWindow - start_;
    if (std::hypot(offset.x, offset.y) > allowableMovement) {
        fail();
    }
}

void TapGestureRecognizer::ended(const Touch& touch)
{
    moved(touch);
    recognize();
}

} // namespace platform::ui

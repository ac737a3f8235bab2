#include "ui/PanGestureRecognizer.h"

#include "ui/View.h"

#include <cmath>

namespace platform::ui {

namespace {

// A window-space vector expressed in the view's coordinates.
graphics::Point vectorInView(const graphics::Point& vector, const View* view)
{
    if (!view) {
        return vector;
    }
    return view->convertPointFrom(vector, nullptr) - view->convertPointFrom({0, 0}, nullptr);
}

} // namespace

graphics::Point PanGestureRecognizer::translationInView(const View* view) const
{
    return vectorInView(lastInWindow_ - startInWindow_, view);
}

void PanGestureRecognizer::setTranslation(const graphics::Point& translation, const View* view)
{
    const graphics::Point inWindow =
        view ? view->convertPointTo(translation, nullptr) - view->convertPointTo({0, 0}, nullptr) : translation;
    startInWindow_ = lastInWindow_ - inWindow;
}

graphics::Point PanGestureRecognizer::velocityInView(const View* view) const
{
    const double elapsed = lastTime_ - previousTime_;
    if (elapsed <= 0) {
        return {};
    }
    const graphics::Point moved = lastInWindow_ - previousInWindow_;
    return vectorInView({moved.x / elapsed, moved.y / elapsed}, view);
}

bool PanGestureRecognizer::acceptsStart(const Touch&) const
{
    return true;
}

void PanGestureRecognizer::began(const Touch& touch)
{
    if (!acceptsStart(touch)) {
        fail();
        return;
    }
    startInWindow_ = lastInWindow_ = previousInWindow_ = touch.locationInWindow;
    lastTime_ = previousTime_ = touch.timestamp;
}

void PanGestureRecognizer::moved(const Touch& touch)
{
    previousInWindow_ = lastInWindow_;
    previousTime_ = lastTime_;
    lastInWindow_ = touch.locationInWindow;
    lastTime_ = touch.timestamp;
    if (isActive()) {
        changeGesture();
        return;
    }
    const graphics::Point offset = lastInWindow_ - startInWindow_;
    if (std::hypot(offset.x, offset.y) >= beginThreshold) {
        beginGesture();
    }
}

void PanGestureRecognizer::ended(const Touch& touch)
{
    if (touch.locationInWindow != lastInWindow_) {
        moved(touch);
    }
    if (isActive()) {
        endGesture();
    } else {
        fail();
    }
}

void PanGestureRecognizer::resetGesture()
{
    startInWindow_ = lastInWindow_ = previousInWindow_ = {};
    lastTime_ = previousTime_ = 0;
}

bool ScreenEdgePanGestureRecognizer::acceptsStart(const Touch& touch) const
{
    return touch.locationInWindow.x <= edgeWidth;
}

} // namespace platform::ui

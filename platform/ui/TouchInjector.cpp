#include "ui/TouchInjector.h"

#include "foundation/Log.h"
#include "foundation/RunLoop.h"
#include "ui/Application.h"
#include "ui/DatePicker.h"
#include "ui/TextInput.h"
#include "ui/Window.h"

namespace platform::ui {

namespace {

constexpr double tapDuration = 0.05;
constexpr int swipeSteps = 6;
constexpr int edgePanSteps = 10;
constexpr double edgeStart = 1;

Point offsetFor(SwipeDirection direction, double distance)
{
    switch (direction) {
    case SwipeDirection::left:
        return {-distance, 0};
    case SwipeDirection::up:
        return {0, -distance};
    case SwipeDirection::down:
        return {0, distance};
    default:
        return {distance, 0};
    }
}

Point between(const Point& from, const Point& to, double fraction)
{
    return {from.x + (to.x - from.x) * fraction, from.y + (to.y - from.y) * fraction};
}

} // namespace

TouchInjector::TouchInjector(std::shared_ptr<Window> window)
    : window_(window ? std::move(window) : Application::shared().keyWindow())
{
}

Point TouchInjector::centerOf(const View& view) const
{
    const Rect bounds = view.bounds();
    return view.convertPointTo(bounds.center(), nullptr);
}

std::shared_ptr<View> TouchInjector::viewAt(const Point& point) const
{
    return window_ ? window_->hitTest(point) : nullptr;
}

void TouchInjector::wait(double seconds)
{
    RunLoop& loop = RunLoop::main();
    if (loop.usesManualClock()) {
        loop.advance(seconds);
    } else {
        loop.runUntil([] { return false; }, seconds);
    }
}

std::shared_ptr<Touch> TouchInjector::makeTouch(const Point& point)
{
    auto touch = std::make_shared<Touch>();
    touch->identifier = nextIdentifier_++;
    touch->locationInWindow = touch->previousLocationInWindow = point;
    return touch;
}

void TouchInjector::send(const std::shared_ptr<Touch>& touch, TouchPhase phase, const Point& point)
{
    if (!window_) {
        Log::write("ui", "touch injector has no window");
        return;
    }
    touch->previousLocationInWindow = touch->locationInWindow;
    touch->locationInWindow = point;
    touch->phase = phase;
    touch->timestamp = RunLoop::main().now();
    window_->sendTouches({touch});
}

void TouchInjector::tap(const Point& point)
{
    const auto touch = makeTouch(point);
    send(touch, TouchPhase::began, point);
    wait(tapDuration);
    send(touch, TouchPhase::ended, point);
    RunLoop::main().runUntilIdle();
}

void TouchInjector::tap(const View& view)
{
    tap(centerOf(view));
}

void TouchInjector::swipe(const Point& start, SwipeDirection direction, double distance, double duration)
{
    const Point end = start + offsetFor(direction, distance);
    std::vector<Point> path;
    for (int step = 0; step <= swipeSteps; ++step) {
        path.push_back(between(start, end, static_cast<double>(step) / swipeSteps));
    }
    pan(path, duration / swipeSteps);
}

void TouchInjector::swipe(const View& view, SwipeDirection direction)
{
    swipe(centerOf(view), direction);
}

void TouchInjector::pan(const std::vector<Point>& path, double stepDuration)
{
    if (path.empty()) {
        return;
    }
    const auto touch = makeTouch(path.front());
    send(touch, TouchPhase::began, path.front());
    for (std::size_t index = 1; index < path.size(); ++index) {
        wait(stepDuration);
        send(touch, TouchPhase::moved, path[index]);
    }
    send(touch, TouchPhase::ended, path.back());
    RunLoop::main().runUntilIdle();
}

void TouchInjector::edgePan(double y, double distance, double duration)
{
    std::vector<Point> path;
    for (int step = 0; step <= edgePanSteps; ++step) {
        path.push_back({edgeStart + distance * step / edgePanSteps, y});
    }
    pan(path, duration / edgePanSteps);
}

void TouchInjector::longPress(const Point& point, double duration)
{
    const auto touch = makeTouch(point);
    send(touch, TouchPhase::began, point);
    wait(duration);
    send(touch, TouchPhase::ended, point);
    RunLoop::main().runUntilIdle();
}

void TouchInjector::longPressAndDrag(const Point& start, const std::vector<Point>& path, double stepDuration)
{
    const auto touch = touchDown(start);
    wait(0.6);
    for (const Point& point : path) {
        wait(stepDuration);
        touchMove(touch, point);
    }
    touchUp(touch);
}

std::shared_ptr<Touch> TouchInjector::touchDown(const Point& point)
{
    const auto touch = makeTouch(point);
    send(touch, TouchPhase::began, point);
    return touch;
}

void TouchInjector::touchMove(const std::shared_ptr<Touch>& touch, const Point& point)
{
    send(touch, TouchPhase::moved, point);
}

void TouchInjector::touchUp(const std::shared_ptr<Touch>& touch)
{
    send(touch, TouchPhase::ended, touch->locationInWindow);
    RunLoop::main().runUntilIdle();
}

namespace {

TextInput* firstResponderInput(const std::shared_ptr<Window>& window)
{
    const auto responder = window ? window->firstResponder() : nullptr;
    return dynamic_cast<TextInput*>(responder.get());
}

} // namespace

void TouchInjector::typeText(const std::string& text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
        if (auto* input = firstResponderInput(window_)) {
            input->insertText(text.substr(start, end - start));
        }
        start = end;
    }
}

void TouchInjector::pressReturn()
{
    if (auto* input = firstResponderInput(window_)) {
        input->pressReturn();
    }
}

void TouchInjector::deleteBackward(int count)
{
    for (int index = 0; index < count; ++index) {
        if (auto* input = firstResponderInput(window_)) {
            input->deleteBackward();
        }
    }
}

void TouchInjector::pickDate(DatePicker& picker, const Date& date)
{
    picker.pick(date);
}

} // namespace platform::ui

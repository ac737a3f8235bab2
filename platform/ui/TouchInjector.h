#pragma once

#include "foundation/Date.h"
#include "graphics/Geometry.h"
#include "ui/SwipeGestureRecognizer.h"
#include "ui/Touch.h"
#include "ui/View.h"

#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

class DatePicker;
class View;
class Window;

// Plays a user's fingers and keyboard on a window, for tests and the sample host. Time
// between touch events passes on the main run loop (advanced on a manual clock, waited
// for on the real one), so recognisers see real durations and velocities.
class TouchInjector {
public:
    // The key window when none is given.
    explicit TouchInjector(std::shared_ptr<Window> window = nullptr);

    const std::shared_ptr<Window>& window() const { return window_; }
    // Window coordinates of a view's centre.
    Point centerOf(const View& view) const;
    // The view a touch at the point would land on (for drops and other input that
    // finds its target the way touches do).
    std::shared_ptr<View> viewAt(const Point& point) const;

    void tap(const Point& point);
    void tap(const View& view);
    void swipe(const Point& start, SwipeDirection direction, double distance = 120, double duration = 0.15);
    void swipe(const View& view, SwipeDirection direction);
    // Moves one finger through the points, `stepDuration` seconds apart, lifting at the end.
    void pan(const std::vector<Point>& path, double stepDuration = 0.05);
    // A pan from the left screen edge at height y, `distance` points to the right.
    void edgePan(double y, double distance, double duration = 0.3);
    void longPress(const Point& point, double duration = 0.6);
    // Press, hold until a long press begins, then move through the path and lift.
    void longPressAndDrag(const Point& start, const std::vector<Point>& path, double stepDuration = 0.05);
    // One finger held across calls, to look at the screen in the middle of a gesture:
    // put it down, move it (time passes as the caller waits), lift it.
    std::shared_ptr<Touch> touchDown(const Point& point);
    void touchMove(const std::shared_ptr<Touch>& touch, const Point& point);
    void touchUp(const std::shared_ptr<Touch>& touch);

    // Keyboard, into the first responder of the window.
    void typeText(const std::string& text);
    void pressReturn();
    void deleteBackward(int count = 1);

    // A date chosen on a picker's wheels.
    void pickDate(DatePicker& picker, const Date& date);

    // Lets time pass on the main run loop.
    static void wait(double seconds);

private:
    std::shared_ptr<Touch> makeTouch(const Point& point);
    void send(const std::shared_ptr<Touch>& touch, TouchPhase phase, const Point& point);

    std::shared_ptr<Window> window_;
    int nextIdentifier_ = 1;
};

} // namespace platform::ui

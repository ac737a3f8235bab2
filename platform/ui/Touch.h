#pragma once

#include "graphics/Geometry.h"

#include <memory>
#include <vector>

namespace platform::ui {

class View;
class Window;

enum class TouchPhase { began, moved, stationary, ended, cancelled };

// One finger on the screen: where it is in its window, when, and the view it landed on.
struct Touch {
    int identifier = 0;
    TouchPhase phase = TouchPhase::began;
    graphics::Point locationInWindow;
    graphics::Point previousLocationInWindow;
    double timestamp = 0;
    std::weak_ptr<View> view;
    std::weak_ptr<Window> window;

    // The location in `view`'s coordinates (window coordinates when `view` is null).
    graphics::Point locationInView(const View* view) const;
};

using TouchSet = std::vector<std::shared_ptr<Touch>>;

} // namespace platform::ui

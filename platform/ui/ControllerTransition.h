#pragma once

#include "ui/View.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform::ui {

// A navigation or presentation transition between controllers. While it runs, the window
// ignores touches that begin on the views it moves, as the device's does: a second tap
// cannot reach a page that is sliding in or out. Main thread only.
class ControllerTransition {
public:
    // Runs `finish` when the transition ends: after transitionDuration when animated,
    // at once otherwise (then nothing moves and no touch is ignored).
    static void run(bool animated, const std::vector<std::shared_ptr<View>>& views, std::function<void()> finish);

    explicit ControllerTransition(const std::vector<std::shared_ptr<View>>& views);

    // Whether the view is one of those moving or lies inside one.
    bool moves(const View& view) const;

private:
    std::vector<std::weak_ptr<View>> views_;
};

} // namespace platform::ui

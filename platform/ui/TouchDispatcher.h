#pragma once

#include "ui/Touch.h"

#include <map>
#include <memory>
#include <vector>

namespace platform::ui {

class GestureRecognizer;
class View;
class Window;

// Routes the touches of one window: each touch goes to the gesture recognisers of the
// view it landed on and of that view's ancestors, and to the view itself unless a
// recogniser that cancels touches in its view has taken it. A touch that begins on a view
// the window ignores touches on goes nowhere, to its end.
class TouchDispatcher {
public:
    void dispatch(Window& window, const TouchSet& touches);

private:
    struct Sequence {
        std::vector<std::shared_ptr<GestureRecognizer>> recognizers;
        std::shared_ptr<GestureRecognizer> winner;
        bool viewBegan = false;
        bool viewCancelled = false;
    };

    void begin(Window& window, const std::shared_ptr<Touch>& touch);
    void deliverToRecognizers(Sequence& sequence, const std::shared_ptr<Touch>& touch);
    void deliverToView(Sequence& sequence, const std::shared_ptr<Touch>& touch);
    void settle(Sequence& sequence, const std::shared_ptr<Touch>& touch);

    std::map<int, Sequence> sequences_;
};

} // namespace platform::ui

#include "ui/ControllerTransition.h"

#include "foundation/RunLoop.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

namespace platform::ui {

void ControllerTransition::run(bool animated, const std::vector<std::shared_ptr<View>>& views,
                               std::function<void()> finish)
{
    if (!animated) {
        finish();
        return;
    }
    auto transition = std::make_shared<ControllerTransition>(views);
    for (const auto& view : views) {
        if (const auto window = view->window()) {
            window->addTransition(transition);
        }
    }
    // The window holds the transition weakly: it ends as this task lets go of it.
    RunLoop::main().dispatchAfter(ViewController::transitionDuration,
                                  [transition = std::move(transition), finish = std::move(finish)]() mutable {
                                      transition.reset();
                                      finish();
                                  });
}

ControllerTransition::ControllerTransition(const std::vector<std::shared_ptr<View>>& views)
    : views_(views.begin(), views.end())
{
}

bool ControllerTransition::moves(const View& view) const
{
    for (const auto& weak : views_) {
        const auto moving = weak.lock();
        if (moving && (moving.get() == &view || view.isDescendantOf(*moving))) {
            return true;
        }
    }
    return false;
}

} // namespace platform::ui

#pragma once

namespace platform::ui {

class View;

// Something attached to a view that takes part in its input handling beyond touches
// (for example a drop target). The view keeps it alive while attached.
class Interaction {
public:
    virtual ~Interaction() = default;

    View* view() const { return view_; }
    virtual void willMoveToView(View* view) { (void)view; }
    virtual void didMoveToView(View* view) { view_ = view; }

private:
    View* view_ = nullptr;
};

} // namespace platform::ui

#pragma once

namespace platform::ui {

class View;

// Something attached to a view that takes part in its input handling beyond touches
// (for example a drop target). The view keeps it alive while attached.
class Interaction {
public:
    virtual ~Interaction() = default;

    // The view it is attached to, or null.
    View* view() const { return view_; }

protected:
    // Called after the interaction was attached to a view or detached (null).
    virtual void didMoveToView(View* view) { (void)view; }

private:
    friend class View;
    void moveToView(View* view)
    {
        view_ = view;
        didMoveToView(view);
    }

    View* view_ = nullptr;
};

} // namespace platform::ui

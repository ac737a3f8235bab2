#pragma once

#include "graphics/Geometry.h"
#include "ui/Touch.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform::ui {

class GestureRecognizer;
class View;

enum class GestureState { possible, began, changed, ended, cancelled, failed };

// Optional say of an owner over a recogniser.
class GestureRecognizerDelegate {
public:
    virtual ~GestureRecognizerDelegate() = default;
    virtual bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer)
    {
        (void)recognizer;
        return true;
    }
};

// Recognises one gesture from the touches that reach its view. Before it begins (or, for
// a discrete gesture, is recognised) its delegate and its view are asked; a refusal makes
// it fail. Its actions run with the recogniser on every state change a client sees.
class GestureRecognizer : public std::enable_shared_from_this<GestureRecognizer> {
public:
    using Action = std::function<void(GestureRecognizer&)>;

    GestureRecognizer() = default;
    explicit GestureRecognizer(Action action);
    virtual ~GestureRecognizer() = default;
    GestureRecognizer(const GestureRecognizer&) = delete;
    GestureRecognizer& operator=(const GestureRecognizer&) = delete;

    // The action holds `target` weakly and is skipped once the target is gone.
    void addTarget(const std::shared_ptr<void>& target, Action action);
    void addAction(Action action);

    GestureState state() const { return state_; }
    bool isEnabled() const { return enabled_; }
    // Disabling cancels a gesture in progress.
    void setEnabled(bool enabled);
    bool cancelsTouchesInView() const { return cancelsTouchesInView_; }
    void setCancelsTouchesInView(bool cancels) { cancelsTouchesInView_ = cancels; }
    void setDelegate(const std::shared_ptr<GestureRecognizerDelegate>& delegate) { delegate_ = delegate; }
    std::shared_ptr<GestureRecognizerDelegate> delegate() const { return delegate_.lock(); }

    View* view() const { return view_; }
    // The centroid of the current touches in `view`'s coordinates (window when null).
    graphics::Point locationInView(const View* view) const;
    std::size_t numberOfTouches() const { return touches_.size(); }

    // Touch input, from the window's dispatcher.
    void touchesBegan(const TouchSet& touches);
    void touchesMoved(const TouchSet& touches);
    void touchesEnded(const TouchSet& touches);
    void touchesCancelled(const TouchSet& touches);
    // Another recogniser took the touches: a possible gesture fails, a running one is
    // cancelled.
    void preventedByOther();
    // Back to possible once every touch of a sequence has left.
    void reset();
    bool isActive() const { return state_ == GestureState::began || state_ == GestureState::changed; }
    bool hasRecognized() const;

protected:
    virtual void began(const Touch& touch) = 0;
    virtual void moved(const Touch& touch) = 0;
    virtual void ended(const Touch& touch) = 0;
    virtual void cancelled(const Touch& touch);
    virtual void resetGesture() {}

    // State changes from subclasses; begin and recognise ask for permission first.
    void beginGesture();
    void changeGesture();
    void endGesture();
    void recognize();
    void fail();
    void cancel();
    const TouchSet& touches() const { return touches_; }

private:
    friend class View;
    // Leaving a view drops the touches in flight without telling anyone: the view may be
    // half destroyed, and actions bound to it must not run again.
    void setView(View* view);
    bool mayBegin();
    void forgetTouch(const std::shared_ptr<Touch>& touch);
    void setState(GestureState state);
    void sendActions();

    struct Target {
        bool hasTarget;
        std::weak_ptr<void> target;
        Action action;
    };

    GestureState state_ = GestureState::possible;
    bool enabled_ = true;
    bool cancelsTouchesInView_ = true;
    std::weak_ptr<GestureRecognizerDelegate> delegate_;
    View* view_ = nullptr;
    graphics::Point lastLocation_;
    std::vector<Target> targets_;
    TouchSet touches_;
};

using GestureRecognizerPtr = std::shared_ptr<GestureRecognizer>;

} // namespace platform::ui

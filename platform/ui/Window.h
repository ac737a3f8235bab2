#pragma once

#include "ui/TouchDispatcher.h"
#include "ui/View.h"

#include <memory>
#include <vector>

namespace platform::ui {

class ControllerTransition;
class ViewController;

// The root of a view hierarchy on the screen. It holds the root view controller, the
// first responder and the touches in flight, and follows the screen's rotation.
class Window : public View {
public:
    // A window covering the main screen.
    Window();

    void makeKeyAndVisible();
    bool isKeyWindow() const;

    std::shared_ptr<ViewController> rootViewController() const { return rootViewController_; }
    void setRootViewController(const std::shared_ptr<ViewController>& controller);

    std::shared_ptr<View> firstResponder() const { return firstResponder_.lock(); }

    // Delivers touches to recognisers and views (used by the touch injector).
    void sendTouches(const TouchSet& touches);
    // A touch that begins on a view a running controller transition moves is ignored;
    // the window holds the transition only as long as its runner does.
    void addTransition(const std::shared_ptr<ControllerTransition>& transition);
    bool ignoresTouchesOn(const View& view) const;

    // Follows the screen after a rotation: new frame, new layout of every controller.
    void screenDidChange();

    void layoutSubviews() override;
    // A layout pass of the whole window on the next turn of the main run loop.
    void scheduleLayout();

private:
    friend class View;
    void setFirstResponder(const std::shared_ptr<View>& view) { firstResponder_ = view; }

    std::shared_ptr<ViewController> rootViewController_;
    std::weak_ptr<View> firstResponder_;
    TouchDispatcher dispatcher_;
    std::vector<std::weak_ptr<ControllerTransition>> transitions_;
    bool visible_ = false;
    bool layoutScheduled_ = false;
};

} // namespace platform::ui

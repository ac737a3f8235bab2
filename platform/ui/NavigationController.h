#pragma once

#include "ui/Label.h"
#include "ui/PanGestureRecognizer.h"
#include "ui/ViewController.h"

#include <memory>
#include <vector>

namespace platform::ui {

// A stack of controllers with a bar at the top; only the top controller's view is on
// screen. Pushes and pops are animated over transitionDuration; a pan from the left
// edge pops while the swipe-back gesture is enabled.
class NavigationController : public ViewController {
public:
    static constexpr double barHeight = 44;

    NavigationController() = default;
    explicit NavigationController(const std::shared_ptr<ViewController>& root);

    const std::vector<std::shared_ptr<ViewController>>& viewControllers() const { return stack_; }
    void setViewControllers(const std::vector<std::shared_ptr<ViewController>>& controllers, bool animated);
    std::shared_ptr<ViewController> topViewController() const;
    // What is on screen: the top controller's presented controller, if any, else the top.
    std::shared_ptr<ViewController> visibleViewController() const;

    void pushViewController(const std::shared_ptr<ViewController>& controller, bool animated);
    std::shared_ptr<ViewController> popViewController(bool animated);
    std::vector<std::shared_ptr<ViewController>> popToViewController(const ViewController& controller, bool animated);
    std::vector<std::shared_ptr<ViewController>> popToRootViewController(bool animated);

    bool isNavigationBarHidden() const { return barHidden_; }
    void setNavigationBarHidden(bool hidden, bool animated);
    const std::shared_ptr<View>& navigationBar();
    const std::shared_ptr<ScreenEdgePanGestureRecognizer>& interactivePopGestureRecognizer();

    // The stack turns as its top page allows.
    OrientationMask supportedInterfaceOrientations() const override;

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    // Where the top controller's view goes: below the bar when it shows.
    Rect contentFrame();

private:
    void transition(const std::shared_ptr<ViewController>& from, const std::shared_ptr<ViewController>& to,
                    std::vector<std::shared_ptr<ViewController>> removed, bool animated);
    void placeIncoming(const std::shared_ptr<ViewController>& from, const std::shared_ptr<ViewController>& to);
    void layoutChildren();
    void adopt(const std::shared_ptr<ViewController>& controller);
    void handleEdgePan(PanGestureRecognizer& pan);

    std::vector<std::shared_ptr<ViewController>> stack_;
    bool barHidden_ = false;
    std::shared_ptr<View> bar_;
    std::shared_ptr<Label> barTitle_;
    std::shared_ptr<ScreenEdgePanGestureRecognizer> popGesture_;
};

} // namespace platform::ui

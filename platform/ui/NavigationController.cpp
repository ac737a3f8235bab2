#include "ui/NavigationController.h"

#include "ui/ControllerTransition.h"
#include "ui/Screen.h"

#include <algorithm>

namespace platform::ui {

NavigationController::NavigationController(const std::shared_ptr<ViewController>& root)
{
    if (root) {
        stack_.push_back(root);
    }
}

OrientationMask NavigationController::supportedInterfaceOrientations() const
{
    const auto top = topViewController();
    return top ? top->supportedInterfaceOrientations() : ViewController::supportedInterfaceOrientations();
}

void NavigationController::adopt(const std::shared_ptr<ViewController>& controller)
{
    if (controller->parent_ != this) {
        addChild(controller);
    }
}

std::shared_ptr<ViewController> NavigationController::topViewController() const
{
    return stack_.empty() ? nullptr : stack_.back();
}

std::shared_ptr<ViewController> NavigationController::visibleViewController() const
{
    const auto top = topViewController();
    if (top && top->presentedViewController()) {
        return top->presentedViewController();
    }
    return top;
}

void NavigationController::setViewControllers(const std::vector<std::shared_ptr<ViewController>>& controllers,
                                              bool animated)
{
    const auto from = topViewController();
    std::vector<std::shared_ptr<ViewController>> removed;
    for (const auto& controller : stack_) {
        if (std::find(controllers.begin(), controllers.end(), controller) == controllers.end()) {
            removed.push_back(controller);
        }
    }
    stack_ = controllers;
    transition(from, topViewController(), removed, animated);
}

void NavigationController::pushViewController(const std::shared_ptr<ViewController>& controller, bool animated)
{
    if (!controller || std::find(stack_.begin(), stack_.end(), controller) != stack_.end()) {
        return;
    }
    const auto from = topViewController();
    stack_.push_back(controller);
    transition(from, controller, {}, animated);
}

std::shared_ptr<ViewController> NavigationController::popViewController(bool animated)
{
    if (stack_.size() < 2) {
        return nullptr;
    }
    const auto popped = stack_.back();
    stack_.pop_back();
    transition(popped, topViewController(), {popped}, animated);
    return popped;
}

std::vector<std::shared_ptr<ViewController>> NavigationController::popToViewController(const ViewController& controller,
                                                                                       bool animated)
{
    const auto position = std::find_if(stack_.begin(), stack_.end(),
                                       [&](const auto& candidate) { return candidate.get() == &controller; });
    if (position == stack_.end() || position + 1 == stack_.end()) {
        return {};
    }
    const auto from = topViewController();
    std::vector<std::shared_ptr<ViewController>> removed(position + 1, stack_.end());
    stack_.erase(position + 1, stack_.end());
    transition(from, topViewController(), removed, animated);
    return removed;
}

std::vector<std::shared_ptr<ViewController>> NavigationController::popToRootViewController(bool animated)
{
    if (stack_.empty()) {
        return {};
    }
    return popToViewController(*stack_.front(), animated);
}

void NavigationController::transition(const std::shared_ptr<ViewController>& from,
                                      const std::shared_ptr<ViewController>& to,
                                      std::vector<std::shared_ptr<ViewController>> removed, bool animated)
{
    for (const auto& controller : stack_) {
        adopt(controller);
    }
    const auto finishRemoval = [removed] {
        for (const auto& controller : removed) {
            controller->removeFromParent();
        }
    };
    if (!isViewLoaded() || from == to) {
        if (from && from != to && from->isViewLoaded()) {
            from->view()->removeFromSuperview();
        }
        if (to && isViewLoaded()) {
            layoutChildren();
        }
        finishRemoval();
        return;
    }
    // A container that is appearing hands the appearance on to the incoming controller.
    const bool visible = view()->window() != nullptr &&
                         (appearance_ == Appearance::appeared || appearance_ == Appearance::appearing);
    placeIncoming(from, to);
    if (visible) {
        if (from) {
            from->beginAppearance(false, animated);
        }
        if (to) {
            to->beginAppearance(true, animated);
        }
    }
    const auto finish = [from, to, visible, animated, finishRemoval] {
        if (from && from->isViewLoaded() && from != to) {
            from->view()->removeFromSuperview();
        }
        if (visible) {
            if (from) {
                from->endAppearance(animated);
            }
            if (to) {
                to->endAppearance(animated);
            }
        }
        finishRemoval();
    };
    ControllerTransition::run(animated && visible, {view()}, finish);
}

void NavigationController::placeIncoming(const std::shared_ptr<ViewController>& from,
                                         const std::shared_ptr<ViewController>& to)
{
    if (!to) {
        return;
    }
    to->view()->setFrame(contentFrame());
    view()->insertSubviewAbove(to->view(), from && from->isViewLoaded() ? *from->view() : *navigationBar());
    view()->bringSubviewToFront(*navigationBar());
    to->view()->layoutIfNeeded();
}

void NavigationController::setNavigationBarHidden(bool hidden, bool)
{
    barHidden_ = hidden;
    if (isViewLoaded()) {
        navigationBar()->setHidden(hidden);
        layoutChildren();
    }
}

const std::shared_ptr<View>& NavigationController::navigationBar()
{
    if (!bar_) {
        bar_ = std::make_shared<View>();
        bar_->setBackgroundColor(Color::systemGray6());
        barTitle_ = std::make_shared<Label>();
        barTitle_->setTextAlignment(TextAlignment::center);
        barTitle_->setFont(Font::boldSystemFont(17));
        bar_->addSubview(barTitle_);
        bar_->setHidden(barHidden_);
    }
    return bar_;
}

const std::shared_ptr<ScreenEdgePanGestureRecognizer>& NavigationController::interactivePopGestureRecognizer()
{
    if (!popGesture_) {
        popGesture_ = std::make_shared<ScreenEdgePanGestureRecognizer>();
        popGesture_->addAction(
            [this](GestureRecognizer& recognizer) { handleEdgePan(static_cast<PanGestureRecognizer&>(recognizer)); });
    }
    return popGesture_;
}

void NavigationController::loadView()
{
    auto root = std::make_shared<View>(Screen::main().bounds());
    root->setBackgroundColor(Color::white());
    setView(root);
    root->addSubview(navigationBar());
    root->addGestureRecognizer(interactivePopGestureRecognizer());
}

void NavigationController::viewDidLoad()
{
    for (const auto& controller : stack_) {
        adopt(controller);
    }
    if (const auto top = topViewController()) {
        view()->insertSubview(top->view(), 0);
    }
    layoutChildren();
}

void NavigationController::viewDidLayoutSubviews()
{
    layoutChildren();
}

Rect NavigationController::contentFrame()
{
    const Rect area = view()->bounds();
    if (barHidden_) {
        return area;
    }
    const double barBottom = Screen::main().safeAreaInsets().top + barHeight;
    return graphics::makeRect(0, barBottom, area.width(), std::max(area.height() - barBottom, 0.0));
}

void NavigationController::layoutChildren()
{
    const Rect area = view()->bounds();
    const double statusBar = Screen::main().safeAreaInsets().top;
    navigationBar()->setFrame(graphics::makeRect(0, 0, area.width(), statusBar + barHeight));
    barTitle_->setFrame(graphics::makeRect(0, statusBar, area.width(), barHeight));
    const auto top = topViewController();
    barTitle_->setText(top ? top->title() : "");
    if (top && top->isViewLoaded() && top->view()->superviewPointer() == view().get()) {
        top->view()->setFrame(contentFrame());
    }
}

void NavigationController::handleEdgePan(PanGestureRecognizer& pan)
{
    if (pan.state() != GestureState::ended || stack_.size() < 2) {
        return;
    }
    if (pan.translationInView(view().get()).x > view()->bounds().width() / 3) {
        popViewController(true);
    }
}

} // namespace platform::ui

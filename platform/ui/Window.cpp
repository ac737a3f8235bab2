#include "ui/Window.h"

#include "foundation/RunLoop.h"
#include "ui/Application.h"
#include "ui/ControllerTransition.h"
#include "ui/Screen.h"
#include "ui/ViewController.h"

namespace platform::ui {

Window::Window() : View(Screen::main().bounds())
{
    setBackgroundColor(Color::white());
}

void Window::makeKeyAndVisible()
{
    Application::shared().setKeyWindow(std::static_pointer_cast<Window>(shared_from_this()));
    setFrame(Screen::main().bounds());
    if (visible_) {
        return;
    }
    visible_ = true;
    if (rootViewController_) {
        rootViewController_->beginAppearance(true, false);
        rootViewController_->endAppearance(false);
    }
    layoutIfNeeded();
}

bool Window::isKeyWindow() const
{
    return Application::shared().keyWindow().get() == this;
}

void Window::setRootViewController(const std::shared_ptr<ViewController>& controller)
{
    if (controller == rootViewController_) {
        return;
    }
    if (const auto old = rootViewController_) {
        if (visible_) {
            old->beginAppearance(false, false);
        }
        old->view()->removeFromSuperview();
        if (visible_) {
            old->endAppearance(false);
        }
    }
    rootViewController_ = controller;
    if (!controller) {
        return;
    }
    const auto& view = controller->view();
    view->setFrame(bounds());
    insertSubview(view, 0);
    if (visible_) {
        controller->beginAppearance(true, false);
        controller->endAppearance(false);
    }
    layoutIfNeeded();
}

void Window::sendTouches(const TouchSet& touches)
{
    dispatcher_.dispatch(*this, touches);
}

void Window::addTransition(const std::shared_ptr<ControllerTransition>& transition)
{
    std::erase_if(transitions_, [](const auto& running) { return running.expired(); });
    transitions_.push_back(transition);
}

bool Window::ignoresTouchesOn(const View& view) const
{
    for (const auto& weak : transitions_) {
        const auto transition = weak.lock();
        if (transition && transition->moves(view)) {
            return true;
        }
    }
    return false;
}

void Window::screenDidChange()
{
    setFrame(Screen::main().bounds());
    setNeedsLayout();
    layoutIfNeeded();
}

void Window::layoutSubviews()
{
    for (const auto& subview : subviews()) {
        if (const auto controller = subview->viewController()) {
            subview->setFrame(controller->frameInWindow(bounds()));
        }
    }
}

void Window::scheduleLayout()
{
    if (layoutScheduled_) {
        return;
    }
    const auto self = weak_from_this().lock();
    if (!self) {
        return;
    }
    layoutScheduled_ = true;
    const std::weak_ptr<View> weak = self;
    RunLoop::main().dispatchAsync([weak] {
        if (const auto window = std::static_pointer_cast<Window>(weak.lock())) {
            window->layoutScheduled_ = false;
            window->layoutIfNeeded();
        }
    });
}

} // namespace platform::ui

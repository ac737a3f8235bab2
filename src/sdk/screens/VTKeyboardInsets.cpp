#include "sdk/screens/VTKeyboardInsets.h"

#include "support/ZKScreen.h"
#include "ui/Animator.h"
#include "ui/Keyboard.h"
#include "ui/Window.h"

#include <algorithm>

double VTKeyboardInsets::bottomInset(const platform::ui::View& view, const platform::Notification& notification)
{
    const double keyboardHeight = ZKScreen::keyboardHeightFromNotification(notification);
    const auto window = view.window();
    if (!window) {
        return keyboardHeight;
    }
    const auto frame = view.convertRectTo(view.bounds(), nullptr);
    const double belowView = window->bounds().height() - frame.maxY();
    return std::max(0.0, keyboardHeight - belowView + kMargin);
}

void VTKeyboardInsets::apply(platform::ui::ScrollView& scrollView, double bottom)
{
    const platform::graphics::EdgeInsets insets{0, 0, bottom, 0};
    scrollView.setContentInset(insets);
    scrollView.setScrollIndicatorInsets(insets);
}

void VTKeyboardInsets::release(platform::ui::ScrollView& scrollView)
{
    platform::ui::Animator::animate(platform::ui::Keyboard::animationDuration, [&] { apply(scrollView, 0); });
}

void VTKeyboardInsets::reveal(platform::ui::ScrollView& scrollView, const platform::ui::View& view)
{
    if (!view.isDescendantOf(scrollView)) {
        return;
    }
    // The view and the covered band below it must both fit above the scroll view's bottom
    // edge; the scroll view itself knows nothing of the keyboard.
    auto clear = view.convertRectTo(view.bounds(), &scrollView);
    clear.size.height += scrollView.contentInset().bottom;
    scrollView.scrollRectToVisible(clear, true);
}

void VTKeyboardInsets::revealFirstResponder(platform::ui::ScrollView& scrollView)
{
    const auto window = scrollView.window();
    const auto input = window ? window->firstResponder() : nullptr;
    if (input) {
        reveal(scrollView, *input);
    }
}

void VTKeyboardInsets::observe(const std::shared_ptr<void>& owner,
                               const std::function<void(const platform::Notification&)>& didShow,
                               const std::function<void()>& willHide)
{
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(owner, platform::ui::KeyboardNotifications::didShow, nullptr, didShow);
    center.addObserver(owner, platform::ui::KeyboardNotifications::willHide, nullptr,
                       [willHide](const platform::Notification&) { willHide(); });
}

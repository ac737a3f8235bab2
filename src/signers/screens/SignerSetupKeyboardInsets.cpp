#include "signers/screens/SignerSetupKeyboardInsets.h"

#include "composer/screens/CreateTransactionUtil.h"
#include "ui/Keyboard.h"
#include "ui/Window.h"

#include <algorithm>

double SignerSetupKeyboardInsets::bottomInset(const platform::ui::View& view, const platform::Notification& notification)
{
    const double keyboardHeight = CreateTransactionUtil::keyboardHeightFromNotification(notification);
    const auto window = view.window();
    if (!window) {
        return keyboardHeight;
    }
    const auto frame = view.convertRectTo(view.bounds(), nullptr);
    const double belowView = window->bounds().height() - frame.maxY();
    return std::max(0.0, keyboardHeight - belowView + kMargin);
}

void SignerSetupKeyboardInsets::apply(platform::ui::ScrollView& scrollView, double bottom)
{
    const platform::graphics::EdgeInsets insets{0, 0, bottom, 0};
    scrollView.setContentInset(insets);
    scrollView.setScrollIndicatorInsets(insets);
}

void SignerSetupKeyboardInsets::observe(const std::shared_ptr<void>& owner,
                                        const std::function<void(const platform::Notification&)>& didShow,
                                        const std::function<void()>& willHide)
{
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(owner, platform::ui::KeyboardNotifications::didShow, nullptr, didShow);
    center.addObserver(owner, platform::ui::KeyboardNotifications::willHide, nullptr,
                       [willHide](const platform::Notification&) { willHide(); });
}

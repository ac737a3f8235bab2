#include "support/ZKScreen.h"

#include "ui/Application.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"
#include "ui/View.h"
#include "ui/Window.h"

#include <algorithm>

using platform::ui::InterfaceOrientation;

bool ZKScreen::isInLanscapeOrientation()
{
    return platform::ui::isLandscape(platform::ui::Application::shared().statusBarOrientation());
}

bool ZKScreen::isInLanscapeOrientationRight()
{
    return platform::ui::Application::shared().statusBarOrientation() == InterfaceOrientation::landscapeRight;
}

double ZKScreen::keyboardHeightFromNotification(const platform::Notification& notification)
{
    const auto frame = platform::ui::KeyboardNotifications::endFrame(notification);
    return frame ? frame->height() : 0;
}

platform::graphics::Rect ZKScreen::screenFrame()
{
    const auto& screen = platform::ui::Screen::main();
    const auto window = platform::ui::Application::shared().keyWindow();
    const auto area = window ? window->bounds() : screen.bounds();
    const double top = screen.safeAreaInsets().top + kTopBarHeight;
    return platform::graphics::makeRect(area.minX(), area.minY() + top, area.width(),
                                        std::max(area.height() - top, 0.0));
}

platform::graphics::Rect ZKScreen::withinSafeSides(const platform::ui::View& view, const platform::graphics::Rect& area)
{
    const auto insets = view.safeAreaInsets();
    const auto& bounds = view.bounds();
    const double left = std::max(area.minX(), bounds.minX() + insets.left);
    const double right = std::min(area.maxX(), bounds.maxX() - insets.right);
    return {{left, area.minY()}, {std::max(0.0, right - left), area.height()}};
}

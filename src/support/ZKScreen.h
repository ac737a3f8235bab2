#pragma once

#include "foundation/NotificationCenter.h"
#include "graphics/Geometry.h"

namespace platform::ui {
class View;
}

// Questions about the screen the SDK's pages are shown on.
class ZKScreen {
public:
    // Whether the status bar is in either landscape orientation.
    static bool isInLanscapeOrientation();
    static bool isInLanscapeOrientationRight();
    // The height of a keyboard notification's end frame; 0 when it carries none.
    static double keyboardHeightFromNotification(const platform::Notification& notification);
    // The key window's area (the screen's when there is no key window) below the top bar:
    // the status bar (the screen's top safe-area inset) and 56 points.
    static platform::graphics::Rect screenFrame();
    // The part of `area` (in the view's coordinates) between the safe-area insets at the
    // view's left and right: where controls and text go beside a notch. Its top and
    // bottom stay as they are.
    static platform::graphics::Rect withinSafeSides(const platform::ui::View& view,
                                                    const platform::graphics::Rect& area);

    static constexpr double kTopBarHeight = 56;
};

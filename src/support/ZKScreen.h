#pragma once

#include "foundation/NotificationCenter.h"
#include "graphics/Geometry.h"

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

    static constexpr double kTopBarHeight = 56;
};

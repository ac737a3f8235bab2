#pragma once

namespace platform::ui {

// The orientation of the interface (and of the status bar). Landscape-left has the home
// side on the left.
enum class InterfaceOrientation { portrait, portraitUpsideDown, landscapeLeft, landscapeRight };

inline bool isLandscape(InterfaceOrientation orientation)
{
    return orientation == InterfaceOrientation::landscapeLeft || orientation == InterfaceOrientation::landscapeRight;
}

// A set of orientations a controller supports.
enum class OrientationMask : unsigned {
    portrait = 1u << 1,
    portraitUpsideDown = 1u << 2,
    landscapeLeft = 1u << 4,
    landscapeRight = 1u << 3,
    landscape = (1u << 3) | (1u << 4),
    all = (1u << 1) | (1u << 2) | (1u << 3) | (1u << 4),
    allButUpsideDown = (1u << 1) | (1u << 3) | (1u << 4),
};

inline bool supports(OrientationMask mask, InterfaceOrientation orientation)
{
    const unsigned bits[] = {1u << 1, 1u << 2, 1u << 4, 1u << 3};
    return (static_cast<unsigned>(mask) & bits[static_cast<int>(orientation)]) != 0;
}

enum class StatusBarStyle { defaultStyle, lightContent, darkContent };

} // namespace platform::ui

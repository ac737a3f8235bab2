#pragma once

#include "graphics/Geometry.h"
#include "ui/Orientation.h"
#include "ui/TraitCollection.h"

namespace platform::ui {

// The kinds of device the host or a test can run the toolkit as.
enum class DeviceProfile { phone, phoneWithNotch, tablet };

// The main screen (shared instance; reset between tests): size, scale, orientation, size
// classes and safe-area insets of the device profile in force. The interface turns only to
// an orientation the page in front of the key window supports (the last one presented,
// the top page of a navigation stack), and a phone with a notch never turns upside down;
// otherwise it stays as it was. Rotating resizes every window, lays it out, posts
// ScreenNotifications::orientationDidChange and, while the keyboard is up, announces the
// keyboard again in its new frame. Main thread only.
class Screen {
public:
    static Screen& main();

    DeviceProfile deviceProfile() const { return profile_; }
    void setDeviceProfile(DeviceProfile profile);
    InterfaceOrientation orientation() const { return orientation_; }
    void setOrientation(InterfaceOrientation orientation);

    // In points, for the current orientation.
    graphics::Rect bounds() const;
    double scale() const;
    TraitCollection traitCollection() const;
    graphics::EdgeInsets safeAreaInsets() const;
    // The height of the on-screen keyboard in the current orientation.
    double keyboardHeight() const;

private:
    bool interfaceTurnsTo(InterfaceOrientation orientation) const;
    void applyToWindows() const;

    DeviceProfile profile_ = DeviceProfile::phone;
    InterfaceOrientation orientation_ = InterfaceOrientation::portrait;
};

struct ScreenNotifications {
    static constexpr const char* orientationDidChange = "DeviceOrientationDidChange";
};

} // namespace platform::ui

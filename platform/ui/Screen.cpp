#include "ui/Screen.h"

#include "foundation/NotificationCenter.h"
#include "foundation/SharedInstances.h"
#include "ui/Application.h"
#include "ui/Keyboard.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

namespace platform::ui {

namespace {

struct ProfileMetrics {
    graphics::Size portraitSize;
    double scale;
    graphics::EdgeInsets portraitInsets;
    graphics::EdgeInsets landscapeInsets;
    double portraitKeyboard;
    double landscapeKeyboard;
    SizeClass landscapeVertical;
    SizeClass horizontal;
};

const ProfileMetrics& metrics(DeviceProfile profile)
{
    static const ProfileMetrics phone{{375, 667}, 2, {20, 0, 0, 0}, {0, 0, 0, 0}, 216, 162,
                                      SizeClass::compact, SizeClass::compact};
    static const ProfileMetrics phoneWithNotch{{375, 812}, 3, {44, 0, 34, 0}, {0, 44, 21, 44}, 291, 171,
                                               SizeClass::compact, SizeClass::compact};
    static const ProfileMetrics tablet{{768, 1024}, 2, {20, 0, 0, 0}, {20, 0, 0, 0}, 264, 352,
                                       SizeClass::regular, SizeClass::regular};
    switch (profile) {
    case DeviceProfile::phoneWithNotch:
        return phoneWithNotch;
    case DeviceProfile::tablet:
        return tablet;
    default:
        return phone;
    }
}

// What `controller`, or a controller inside it, presented last; null when nothing.
std::shared_ptr<ViewController> presentedWithin(const ViewController& controller)
{
    if (auto presented = controller.presentedViewController()) {
        return presented;
    }
    const auto& children = controller.children();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        if (auto presented = presentedWithin(**child)) {
            return presented;
        }
    }
    return nullptr;
}

// The key window follows the page in front: the last one presented over its root.
bool frontPageSupports(InterfaceOrientation orientation)
{
    const auto window = Application::shared().keyWindow();
    auto front = window ? window->rootViewController() : nullptr;
    if (!front) {
        return true;
    }
    while (auto presented = presentedWithin(*front)) {
        front = presented;
    }
    return supports(front->supportedInterfaceOrientations(), orientation);
}

} // namespace

Screen& Screen::main()
{
    return *SharedInstance<Screen>::get();
}

void Screen::setDeviceProfile(DeviceProfile profile)
{
    profile_ = profile;
    applyToWindows();
}

void Screen::setOrientation(InterfaceOrientation orientation)
{
    if (!interfaceTurnsTo(orientation)) {
        return;
    }
    const graphics::Rect keyboardBefore = Keyboard::shared().frame();
    orientation_ = orientation;
    applyToWindows();
    NotificationCenter::defaultCenter().post(ScreenNotifications::orientationDidChange);
    Keyboard::shared().screenDidTurn(keyboardBefore);
}

bool Screen::interfaceTurnsTo(InterfaceOrientation orientation) const
{
    if (profile_ == DeviceProfile::phoneWithNotch && orientation == InterfaceOrientation::portraitUpsideDown) {
        return false;
    }
    return frontPageSupports(orientation);
}

graphics::Rect Screen::bounds() const
{
    const graphics::Size size = metrics(profile_).portraitSize;
    return isLandscape(orientation_) ? graphics::makeRect(0, 0, size.height, size.width)
                                     : graphics::makeRect(0, 0, size.width, size.height);
}

double Screen::scale() const
{
    return metrics(profile_).scale;
}

TraitCollection Screen::traitCollection() const
{
    const ProfileMetrics& profile = metrics(profile_);
    const SizeClass vertical = isLandscape(orientation_) ? profile.landscapeVertical : SizeClass::regular;
    return {profile.horizontal, vertical};
}

graphics::EdgeInsets Screen::safeAreaInsets() const
{
    const ProfileMetrics& profile = metrics(profile_);
    return isLandscape(orientation_) ? profile.landscapeInsets : profile.portraitInsets;
}

double Screen::keyboardHeight() const
{
    const ProfileMetrics& profile = metrics(profile_);
    return isLandscape(orientation_) ? profile.landscapeKeyboard : profile.portraitKeyboard;
}

void Screen::applyToWindows() const
{
    for (const auto& window : Application::shared().windows()) {
        window->screenDidChange();
    }
}

} // namespace platform::ui

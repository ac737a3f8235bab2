#include "ui/Keyboard.h"

#include "foundation/SharedInstances.h"
#include "ui/Screen.h"

namespace platform::ui {

namespace {

Dictionary rectValue(const graphics::Rect& rect)
{
    return {{"x", rect.minX()}, {"y", rect.minY()}, {"width", rect.width()}, {"height", rect.height()}};
}

} // namespace

std::optional<graphics::Rect> KeyboardNotifications::endFrame(const Notification& notification)
{
    if (!notification.userInfo.is_object() || !notification.userInfo.contains(frameEndKey)) {
        return std::nullopt;
    }
    const Dictionary& value = notification.userInfo.at(frameEndKey);
    for (const char* key : {"x", "y", "width", "height"}) {
        if (!value.is_object() || !value.contains(key) || !value.at(key).is_number()) {
            return std::nullopt;
        }
    }
    return graphics::makeRect(value.at("x").get<double>(), value.at("y").get<double>(),
                              value.at("width").get<double>(), value.at("height").get<double>());
}

Keyboard& Keyboard::shared()
{
    return *SharedInstance<Keyboard>::get();
}

graphics::Rect Keyboard::frame() const
{
    if (!visible_) {
        return hiddenFrame();
    }
    const graphics::Rect screen = Screen::main().bounds();
    const double height = Screen::main().keyboardHeight();
    return graphics::makeRect(0, screen.height() - height, screen.width(), height);
}

graphics::Rect Keyboard::hiddenFrame() const
{
    const graphics::Rect screen = Screen::main().bounds();
    return graphics::makeRect(0, screen.height(), screen.width(), Screen::main().keyboardHeight());
}

void Keyboard::show()
{
    const graphics::Rect begin = frame();
    visible_ = true;
    announce(begin);
}

void Keyboard::hide()
{
    if (!visible_) {
        return;
    }
    const graphics::Rect shown = frame();
    visible_ = false;
    post(KeyboardNotifications::willHide, shown, hiddenFrame());
    post(KeyboardNotifications::didHide, shown, hiddenFrame());
}

void Keyboard::screenDidTurn(const graphics::Rect& before)
{
    if (!visible_) {
        return;
    }
    announce(before);
}

void Keyboard::announce(const graphics::Rect& begin) const
{
    post(KeyboardNotifications::willShow, begin, frame());
    post(KeyboardNotifications::didShow, begin, frame());
}

void Keyboard::post(const char* name, const graphics::Rect& begin, const graphics::Rect& end) const
{
    Dictionary userInfo = {{KeyboardNotifications::frameBeginKey, rectValue(begin)},
                           {KeyboardNotifications::frameEndKey, rectValue(end)},
                           {KeyboardNotifications::animationDurationKey, animationDuration}};
    NotificationCenter::defaultCenter().post(name, nullptr, userInfo);
}

} // namespace platform::ui

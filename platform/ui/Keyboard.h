#pragma once

#include "foundation/NotificationCenter.h"
#include "graphics/Geometry.h"

#include <optional>

namespace platform::ui {

// Names and user-info keys of the keyboard's notifications (default centre, object null).
struct KeyboardNotifications {
    static constexpr const char* willShow = "KeyboardWillShow";
    static constexpr const char* didShow = "KeyboardDidShow";
    static constexpr const char* willHide = "KeyboardWillHide";
    static constexpr const char* didHide = "KeyboardDidHide";
    // {"x", "y", "width", "height"} in screen coordinates.
    static constexpr const char* frameEndKey = "KeyboardFrameEnd";
    static constexpr const char* frameBeginKey = "KeyboardFrameBegin";
    static constexpr const char* animationDurationKey = "KeyboardAnimationDuration";

    // The end frame of a keyboard notification; none when it carries no such rectangle.
    static std::optional<graphics::Rect> endFrame(const Notification& notification);
};

// The on-screen keyboard (shared instance): shown when a text input becomes first
// responder, hidden when the last one resigns. A new responder while the keyboard is up
// announces it again (screens re-read its frame and which input it now serves). Main
// thread only.
class Keyboard {
public:
    static constexpr double animationDuration = 0.25;

    static Keyboard& shared();

    bool isVisible() const { return visible_; }
    // The keyboard's frame on screen while visible; its hidden frame below the screen
    // otherwise.
    graphics::Rect frame() const;

    void show();
    void hide();
    // A turned screen gives the keyboard another height; a keyboard that is up announces
    // itself again, from where it was, so screens make room for its new frame.
    void screenDidTurn(const graphics::Rect& before);

private:
    // Will-show and did-show, from `begin` to the frame it has now.
    void announce(const graphics::Rect& begin) const;
    void post(const char* name, const graphics::Rect& begin, const graphics::Rect& end) const;
    graphics::Rect hiddenFrame() const;

    bool visible_ = false;
};

} // namespace platform::ui

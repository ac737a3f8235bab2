#pragma once

#include "ui/Control.h"

namespace platform::ui {

// An on/off control: a tap flips it and sends value-changed; setting it from code sends
// nothing.
class Switch : public Control {
public:
    static constexpr double animationDuration = 0.2;

    Switch();
    explicit Switch(const Rect& frame);

    bool isOn() const { return on_; }
    void setOn(bool on, bool animated = false);
    Color onTintColor() const { return onTint_; }
    void setOnTintColor(const Color& color) { onTint_ = color; }

    void draw(graphics::DrawingContext& context) const override;

protected:
    void tapped() override;

private:
    bool on_ = false;
    Color onTint_ = Color::systemGreen();
};

} // namespace platform::ui

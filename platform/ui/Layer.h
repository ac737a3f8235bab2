#pragma once

#include "graphics/Color.h"

namespace platform::ui {

class View;

// The look of a view's backing layer: corners, border and clipping. Changes count as
// animatable properties of the owning view.
class Layer {
public:
    explicit Layer(View& owner) : owner_(owner) {}

    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double radius);
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double width);
    const graphics::Color& borderColor() const { return borderColor_; }
    void setBorderColor(const graphics::Color& color);
    bool masksToBounds() const { return masksToBounds_; }
    void setMasksToBounds(bool masks) { masksToBounds_ = masks; }

    // Interrupts every running animation of the owning view.
    void removeAllAnimations();

private:
    View& owner_;
    double cornerRadius_ = 0;
    double borderWidth_ = 0;
    graphics::Color borderColor_ = graphics::Color::black();
    bool masksToBounds_ = false;
};

} // namespace platform::ui

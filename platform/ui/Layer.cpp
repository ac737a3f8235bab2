#include "ui/Layer.h"

#include "ui/Animator.h"
#include "ui/View.h"

namespace platform::ui {

void Layer::setCornerRadius(double radius)
{
    owner_.noteAnimatableChange("cornerRadius");
    cornerRadius_ = radius;
}

void Layer::setBorderWidth(double width)
{
    owner_.noteAnimatableChange("borderWidth");
    borderWidth_ = width;
}

void Layer::setBorderColor(const graphics::Color& color)
{
    owner_.noteAnimatableChange("borderColor");
    borderColor_ = color;
}

void Layer::removeAllAnimations()
{
    Animator::shared().removeAnimations(owner_);
}

} // namespace platform::ui

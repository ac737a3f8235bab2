#include "ui/Switch.h"

#include "ui/Animator.h"

namespace platform::ui {

Switch::Switch() : Switch(graphics::makeRect(0, 0, 51, 31)) {}

Switch::Switch(const Rect& frame) : Control(frame) {}

void Switch::setOn(bool on, bool animated)
{
    if (!animated) {
        on_ = on;
        return;
    }
    Animator::animate(animationDuration, [&] {
        noteAnimatableChange("on");
        on_ = on;
    });
}

void Switch::tapped()
{
    on_ = !on_;
    sendActions(ControlEvent::valueChanged);
}

void Switch::draw(graphics::DrawingContext& context) const
{
    const Rect track = bounds();
    const double radius = track.height() / 2;
    context.fill(track, on_ ? onTint_ : Color::systemGray6(), radius);
    if (!on_) {
        context.strokeInside(track, Color::systemGray4(), 1.5, radius);
    }
    const double knob = track.height() - 4;
    const double x = on_ ? track.maxX() - knob - 2 : track.minX() + 2;
    context.fillEllipse(graphics::makeRect(x, track.minY() + 2, knob, knob), Color::white());
}

} // namespace platform::ui

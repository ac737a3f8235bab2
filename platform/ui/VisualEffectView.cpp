#include "ui/VisualEffectView.h"

namespace platform::ui {

VisualEffectView::VisualEffectView(std::optional<VisualEffect> effect)
    : effect_(effect)
    , contentView_(std::make_shared<View>())
{
}

void VisualEffectView::setEffect(const std::optional<VisualEffect>& effect)
{
    noteAnimatableChange("effect");
    effect_ = effect;
}

void VisualEffectView::layoutSubviews()
{
    if (!contentView_->superview()) {
        addSubview(contentView_);
    }
    contentView_->setFrame({{0, 0}, bounds().size});
}

void VisualEffectView::draw(graphics::DrawingContext& context) const
{
    if (!effect_) {
        return;
    }
    const Color tint = effect_->style == BlurStyle::dark ? Color::fromWhite(0.11, 0.73) : Color::fromWhite(0.97, 0.8);
    context.fill(bounds(), tint);
}

} // namespace platform::ui

#include "sdk/screens/VTModalOverlayView.h"

using platform::graphics::Color;

VTModalOverlayView::VTModalOverlayView(const platform::ui::Rect& frame)
    : View(frame)
    , box_(std::make_shared<platform::ui::View>())
{
    setBackgroundColor(Color::black().withAlpha(0.4));
    box_->setBackgroundColor(Color::fromWhite(0.97));
    box_->layer().setCornerRadius(13);
    box_->setClipsToBounds(true);
    addSubview(box_);
}

void VTModalOverlayView::showInWindow(platform::ui::View& window)
{
    setFrame(window.bounds());
    window.addSubview(shared_from_this());
    setNeedsLayout();
    layoutIfNeeded();
}

void VTModalOverlayView::layoutSubviews()
{
    const platform::ui::Size size = boxSize();
    box_->setFrame(platform::graphics::makeRect(bounds().midX() - size.width / 2, bounds().midY() - size.height / 2,
                                                size.width, size.height));
    layoutBox();
}

#include "sdk/screens/VTModalOverlayView.h"

#include "foundation/NotificationCenter.h"
#include "ui/Screen.h"

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

VTModalOverlayView::~VTModalOverlayView()
{
    platform::NotificationCenter::defaultCenter().removeObserver(static_cast<const platform::ui::View*>(this));
}

void VTModalOverlayView::showInWindow(platform::ui::View& window)
{
    window.addSubview(shared_from_this());
    coverWindow();
    auto& center = platform::NotificationCenter::defaultCenter();
    center.removeObserver(static_cast<const platform::ui::View*>(this));
    center.addObserver(shared_from_this(), platform::ui::ScreenNotifications::orientationDidChange, nullptr,
                       [weak = weak_from_this()](const platform::Notification&) {
                           if (const auto overlay = std::static_pointer_cast<VTModalOverlayView>(weak.lock())) {
                               overlay->coverWindow();
                           }
                       });
}

// A window that turns takes the overlay with it: it covers the window whole, its box in
// the middle, upright or on the side.
void VTModalOverlayView::coverWindow()
{
    const auto window = superview();
    if (!window) {
        return;
    }
    setFrame(window->bounds());
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

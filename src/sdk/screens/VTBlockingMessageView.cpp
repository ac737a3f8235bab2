#include "sdk/screens/VTBlockingMessageView.h"

namespace {

constexpr double boxWidth = 240;
constexpr double padding = 20;
constexpr double indicatorGap = 12;

} // namespace

VTBlockingMessageView::VTBlockingMessageView(const platform::ui::Rect& frame)
    : VTModalOverlayView(frame)
    , indicator_(std::make_shared<VTActivityIndicatorView>())
    , messageLabel_(std::make_shared<platform::ui::Label>())
{
    messageLabel_->setNumberOfLines(0);
    messageLabel_->setTextAlignment(platform::ui::TextAlignment::center);
    box()->addSubview(indicator_);
    box()->addSubview(messageLabel_);
}

void VTBlockingMessageView::setMessage(const std::string& text, double fontScale)
{
    messageLabel_->setText(text);
    messageLabel_->setFont(platform::ui::Font::systemFont(messageFontSize * fontScale));
    setNeedsLayout();
    layoutIfNeeded();
}

platform::ui::Size VTBlockingMessageView::boxSize() const
{
    const double textHeight = messageLabel_->sizeThatFits({boxWidth - 2 * padding, 0}).height;
    return {boxWidth, VTActivityIndicatorView::side + indicatorGap + textHeight + 2 * padding};
}

void VTBlockingMessageView::layoutBox()
{
    const platform::ui::Rect inside = box()->bounds();
    const double side = VTActivityIndicatorView::side;
    indicator_->setFrame(platform::graphics::makeRect((inside.width() - side) / 2, padding, side, side));
    const double textTop = padding + side + indicatorGap;
    messageLabel_->setFrame(platform::graphics::makeRect(padding, textTop, inside.width() - 2 * padding,
                                                         inside.height() - textTop - padding));
}

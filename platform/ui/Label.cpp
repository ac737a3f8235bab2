#include "ui/Label.h"

#include "graphics/TextLayout.h"

#include <algorithm>

namespace platform::ui {

Label::Label()
{
    setUserInteractionEnabled(false);
}

Label::Label(const Rect& frame) : Label()
{
    setFrame(frame);
}

void Label::setText(const std::optional<std::string>& text)
{
    text_ = text;
    attributedText_.reset();
}

void Label::setAttributedText(const std::optional<AttributedString>& text)
{
    attributedText_ = text;
    text_ = text ? std::optional<std::string>(text->string()) : std::nullopt;
}

std::string Label::displayedText() const
{
    return attributedText_ ? attributedText_->string() : text_.value_or("");
}

AttributedString Label::content() const
{
    return attributedText_ ? *attributedText_ : AttributedString(text_.value_or(""));
}

graphics::TextStyle Label::scaledStyle(double scale) const
{
    graphics::TextStyle style = style_;
    style.font = style_.font.withSize(style_.font.size() * scale);
    return style;
}

double Label::fittingScale(double available) const
{
    if (!adjustsFontSize_ || minimumScaleFactor_ <= 0 || minimumScaleFactor_ >= 1) {
        return 1;
    }
    const double natural = graphics::TextLayout::measure(content(), style_, 0).width;
    if (natural <= available || natural <= 0) {
        return 1;
    }
    return std::max(available / natural, minimumScaleFactor_);
}

Size Label::sizeThatFits(const Size& size) const
{
    const double maxWidth = style_.numberOfLines == 1 ? 0 : size.width;
    return graphics::TextLayout::measure(content(), style_, maxWidth);
}

void Label::draw(graphics::DrawingContext& context) const
{
    drawText(context, bounds());
}

void Label::drawText(graphics::DrawingContext& context, const Rect& rect) const
{
    context.drawText(content(), rect, scaledStyle(fittingScale(rect.width())));
}

} // namespace platform::ui

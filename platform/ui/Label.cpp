#include "ui/Label.h"

#include "graphics/TextLayout.h"
#include "ui/Screen.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

Label::Label()
{
    style_.wholeLines = true;
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
    // Scaled fonts do not measure exactly in proportion (hinting, rounding); a little room
    // keeps the shrunk text from being cut off after all.
    constexpr double slack = 0.97;
    // Past this width the text shrinks all it may: the rest of a long text is not measured.
    const double smallestScaleWidth = available / minimumScaleFactor_;
    const double natural = graphics::TextLayout::naturalWidthUpTo(content(), style_, smallestScaleWidth);
    if (natural <= available || natural <= 0) {
        return 1;
    }
    return std::max(slack * available / natural, minimumScaleFactor_);
}

// Measured as the screen draws it and rounded up to its pixels, as a device does, so a
// label given the size it asked for shows all of its text.
Size Label::sizeThatFits(const Size& size) const
{
    const double maxWidth = style_.numberOfLines == 1 ? 0 : size.width;
    const double scale = Screen::main().scale();
    const Size measured = graphics::TextLayout::measureAtScale(content(), style_, maxWidth, scale);
    return {std::ceil(measured.width * scale) / scale, std::ceil(measured.height * scale) / scale};
}

void Label::draw(graphics::DrawingContext& context) const
{
    drawText(context, bounds());
}

void Label::drawText(graphics::DrawingContext& context, const Rect& rect) const
{
    const double scale = fittingScale(rect.width());
    context.drawText(scaledContent(scale), rect, scaledStyle(scale));
}

// Shrinking to fit scales every font of the text, the runs' own fonts included.
AttributedString Label::scaledContent(double scale) const
{
    if (scale >= 1) {
        return content();
    }
    const AttributedString text = content();
    AttributedString scaled;
    for (const auto& run : text.runs()) {
        const auto font = run.font ? std::optional(run.font->withSize(run.font->size() * scale)) : std::nullopt;
        scaled.append(run.text, font, run.color);
    }
    return scaled;
}

} // namespace platform::ui

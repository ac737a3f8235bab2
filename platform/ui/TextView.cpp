#include "ui/TextView.h"

namespace platform::ui {

TextView::TextView()
{
    style_.font = graphics::Font::systemFont(15);
    style_.numberOfLines = 0;
}

TextView::TextView(const Rect& frame) : TextView()
{
    setFrame(frame);
}

bool TextView::shouldResignFirstResponder()
{
    const auto owner = delegate();
    return !owner || owner->textViewShouldEndEditing(*this);
}

void TextView::didBecomeFirstResponder()
{
    if (const auto owner = delegate()) {
        owner->textViewDidBeginEditing(*this);
    }
}

void TextView::didResignFirstResponder()
{
    if (const auto owner = delegate()) {
        owner->textViewDidEndEditing(*this);
    }
}

void TextView::changed()
{
    if (const auto owner = delegate()) {
        owner->textViewDidChange(*this);
    }
}

void TextView::insertText(const std::string& text)
{
    text_ += text;
    changed();
}

void TextView::deleteBackward()
{
    if (text_.empty()) {
        return;
    }
    eraseLastCodePoint(text_);
    changed();
}

void TextView::pressReturn()
{
    insertText("\n");
}

void TextView::touchesEnded(const TouchSet&)
{
    becomeFirstResponder();
}

void TextView::draw(graphics::DrawingContext& context) const
{
    const Rect area = bounds().insetBy(5, 8);
    const Size size = context.measureText(graphics::AttributedString(text_), style_, area.width());
    context.drawText(text_, {area.origin, {area.width(), std::min(size.height, area.height())}}, style_);
}

} // namespace platform::ui

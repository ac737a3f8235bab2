#include "ui/TextView.h"

namespace platform::ui {

TextView::TextView()
{
    style_.font = graphics::Font::systemFont(15);
    style_.numberOfLines = 0;
    style_.verticalAlignment = graphics::VerticalTextAlignment::top;
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
    context.drawText(text_, bounds().insetBy(5, 8), style_);
}

} // namespace platform::ui

#include "ui/TextField.h"

namespace platform::ui {

namespace {

constexpr double horizontalPadding = 4;

std::string masked(const std::string& text)
{
    std::string dots;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) {
            dots += "\u2022";
        }
    }
    return dots;
}

} // namespace

TextField::TextField()
{
    style_.font = graphics::Font::systemFont(17);
}

TextField::TextField(const Rect& frame) : TextField()
{
    setFrame(frame);
}

void TextField::tapped()
{
    becomeFirstResponder();
    Control::tapped();
}

void TextField::didBecomeFirstResponder()
{
    if (const auto owner = delegate()) {
        owner->textFieldDidBeginEditing(*this);
    }
    sendActions(ControlEvent::editingDidBegin);
}

void TextField::didResignFirstResponder()
{
    if (const auto owner = delegate()) {
        owner->textFieldDidEndEditing(*this);
    }
    sendActions(ControlEvent::editingDidEnd);
}

void TextField::insertText(const std::string& text)
{
    text_ += text;
    sendActions(ControlEvent::editingChanged);
}

void TextField::deleteBackward()
{
    if (text_.empty()) {
        return;
    }
    eraseLastCodePoint(text_);
    sendActions(ControlEvent::editingChanged);
}

void TextField::pressReturn()
{
    const auto owner = delegate();
    const auto keepAlive = weak_from_this().lock();
    if (owner) {
        owner->textFieldShouldReturn(*this);
    }
    sendActions(ControlEvent::primaryActionTriggered);
}

void TextField::draw(graphics::DrawingContext& context) const
{
    const Rect area = bounds().insetBy(horizontalPadding, 0);
    if (text_.empty()) {
        graphics::TextStyle placeholderStyle = style_;
        placeholderStyle.color = placeholderColor_;
        context.drawText(placeholder_, area, placeholderStyle);
        return;
    }
    const graphics::AttributedString shown(secure_ ? masked(text_) : text_);
    if (isEditing()) {
        context.drawTextShowingEnd(shown, area, style_);
        return;
    }
    context.drawText(shown, area, style_);
}

} // namespace platform::ui

#include "ui/TextView.h"

#include "foundation/Text.h"
#include "ui/Screen.h"

#include <algorithm>

namespace platform::ui {

TextView::TextView()
{
    style_.font = graphics::Font::systemFont(15);
    style_.numberOfLines = 0;
    style_.verticalAlignment = graphics::VerticalTextAlignment::top;
    // The text is clipped as it is drawn; a clip of the whole view would redraw the corners
    // of a rounded box.
    setClipsToBounds(false);
}

TextView::TextView(const Rect& frame) : TextView()
{
    setFrame(frame);
}

// A device's text is Unicode: bytes from outside that are no UTF-8 are held as U+FFFD, so
// that every line the view lays out starts within the text it holds.
void TextView::setText(const std::string& text)
{
    text_ = text::validUtf8(text);
    forgetLines();
    if (isFirstResponder()) {
        showCaretLine();
        return;
    }
    const Point top{contentOffset().x, -contentInset().top};
    if (contentOffset() != top) {
        setContentOffset(top);
    }
}

void TextView::setFont(const graphics::Font& font)
{
    style_.font = font;
    forgetLines();
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

void TextView::changed(std::size_t from)
{
    if (lines_) {
        lines_->update(text_, from);
    }
    if (isFirstResponder()) {
        showCaretLine();
    } else {
        setNeedsLayout();
    }
    if (const auto owner = delegate()) {
        owner->textViewDidChange(*this);
    }
}

void TextView::insertText(const std::string& text)
{
    const std::size_t from = text_.size();
    text_ += text::validUtf8(text);
    changed(from);
}

void TextView::deleteBackward()
{
    if (text_.empty()) {
        return;
    }
    eraseLastCodePoint(text_);
    changed(text_.size());
}

void TextView::pressReturn()
{
    insertText("\n");
}

void TextView::touchesEnded(const TouchSet&)
{
    becomeFirstResponder();
}

void TextView::forgetLines()
{
    lines_.reset();
    setNeedsLayout();
}

double TextView::textWidth() const
{
    return std::max(0.0, bounds().width() - 2 * horizontalTextInset);
}

const graphics::TextLines& TextView::lines() const
{
    if (!lines_) {
        lines_.emplace(text_, style_, textWidth(), Screen::main().scale());
    }
    return *lines_;
}

void TextView::updateContentSize()
{
    setContentSize({bounds().width(), lines().height() + 2 * verticalTextInset});
}

void TextView::layoutSubviews()
{
    updateContentSize();
    ScrollView::layoutSubviews();
}

void TextView::sizeDidChange()
{
    if (lines_ && lines_->width() != textWidth()) {
        forgetLines();
    }
    ScrollView::sizeDidChange();
}

bool TextView::gestureRecognizerShouldBegin(GestureRecognizer& recognizer)
{
    if (&recognizer != panGestureRecognizer().get()) {
        return ScrollView::gestureRecognizerShouldBegin(recognizer);
    }
    updateContentSize();
    const double extent = contentSize().height + contentInset().top + contentInset().bottom;
    return extent > bounds().height() && ScrollView::gestureRecognizerShouldBegin(recognizer);
}

void TextView::showCaretLine()
{
    updateContentSize();
    const auto& line = lines().lastLine();
    // The line with the text's bottom inset under it, as a device scrolls to the end.
    const Rect caretLine = graphics::makeRect(0, verticalTextInset + line.top, bounds().width(),
                                              line.bottom - line.top + verticalTextInset);
    scrollRectToVisible(caretLine, false);
    for (auto holder = superview(); holder; holder = holder->superview()) {
        const auto scroller = std::dynamic_pointer_cast<ScrollView>(holder);
        if (!scroller) {
            continue;
        }
        // What the insets cover (bars, the keyboard) is out of sight.
        Rect clear = convertRectTo(caretLine, scroller.get());
        const EdgeInsets& insets = scroller->contentInset();
        clear.origin.y -= insets.top;
        clear.size.height += insets.top + insets.bottom;
        scroller->scrollRectToVisible(clear, false);
    }
}

void TextView::draw(graphics::DrawingContext& context) const
{
    const Rect visible = bounds();
    // At the top, the text is drawn from its start, with no need to know where its lines break.
    const bool atTop = visible.minY() <= 0;
    const graphics::TextLayout::Line first =
        atTop ? graphics::TextLayout::Line{} : lines().lineAt(visible.minY() - verticalTextInset);
    const double top = verticalTextInset + first.top;
    const Rect area = graphics::makeRect(horizontalTextInset, top, textWidth(), std::max(0.0, visible.maxY() - top));
    context.save();
    context.clip(visible);
    context.drawText(first.start == 0 ? text_ : text_.substr(first.start), area, style_);
    context.restore();
}

} // namespace platform::ui

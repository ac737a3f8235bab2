#pragma once

#include "graphics/TextLines.h"
#include "graphics/TextStyle.h"
#include "ui/ScrollView.h"
#include "ui/TextInput.h"

#include <memory>
#include <optional>
#include <string>

namespace platform::ui {

class TextView;

class TextViewDelegate {
public:
    virtual ~TextViewDelegate() = default;
    virtual void textViewDidBeginEditing(TextView& view) { (void)view; }
    virtual void textViewDidChange(TextView& view) { (void)view; }
    virtual bool textViewShouldEndEditing(TextView& view)
    {
        (void)view;
        return true;
    }
    virtual void textViewDidEndEditing(TextView& view) { (void)view; }
};

// Multi-line editable text. Return types a line break. Resigning asks the delegate
// whether editing may end.
// It scrolls its text: the content is the text and its insets. Text set from code shows
// its first lines; while it is edited, each change keeps the line of the caret (the end
// of the text) in sight, in this view and in the scroll views around it. A drag scrolls
// only text taller than the view, so a drag on one that fits moves what holds it.
// The lines are laid out when first needed (a layout pass, a drag, a scrolled drawing, a
// keystroke), and a keystroke lays out only the last of them again.
class TextView : public ScrollView, public TextInput {
public:
    // Room between the view's edges and its text.
    static constexpr double horizontalTextInset = 5;
    static constexpr double verticalTextInset = 8;

    TextView();
    explicit TextView(const Rect& frame);

    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    const graphics::Font& font() const { return style_.font; }
    void setFont(const graphics::Font& font);
    void setTextColor(const Color& color) { style_.color = color; }
    bool isEditable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }
    void setDelegate(const std::shared_ptr<TextViewDelegate>& delegate) { delegate_ = delegate; }
    std::shared_ptr<TextViewDelegate> delegate() const { return delegate_.lock(); }

    bool canBecomeFirstResponder() const override { return editable_; }
    bool shouldResignFirstResponder() override;
    void insertText(const std::string& text) override;
    void deleteBackward() override;
    void pressReturn() override;
    void touchesEnded(const TouchSet& touches) override;
    void touchesBegan(const TouchSet&) override {}
    void draw(graphics::DrawingContext& context) const override;
    bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) override;
    void layoutSubviews() override;

protected:
    void didBecomeFirstResponder() override;
    void didResignFirstResponder() override;
    void sizeDidChange() override;

private:
    // The text changed from byte `from` on.
    void changed(std::size_t from);
    void forgetLines();
    const graphics::TextLines& lines() const;
    double textWidth() const;
    void updateContentSize();
    // Scrolls this view, then each scroll view around it, until the caret's line shows
    // clear of their insets.
    void showCaretLine();

    std::string text_;
    graphics::TextStyle style_;
    bool editable_ = true;
    std::weak_ptr<TextViewDelegate> delegate_;
    // Laid out on first use, and forgotten when the text is replaced or rewrapped.
    mutable std::optional<graphics::TextLines> lines_;
};

} // namespace platform::ui

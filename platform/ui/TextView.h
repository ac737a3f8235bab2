#pragma once

#include "graphics/TextStyle.h"
#include "ui/TextInput.h"
#include "ui/View.h"

#include <memory>
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
class TextView : public View, public TextInput {
public:
    TextView();
    explicit TextView(const Rect& frame);

    const std::string& text() const { return text_; }
    void setText(const std::string& text) { text_ = text; }
    const graphics::Font& font() const { return style_.font; }
    void setFont(const graphics::Font& font) { style_.font = font; }
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

protected:
    void didBecomeFirstResponder() override;
    void didResignFirstResponder() override;

private:
    void changed();

    std::string text_;
    graphics::TextStyle style_;
    bool editable_ = true;
    std::weak_ptr<TextViewDelegate> delegate_;
};

} // namespace platform::ui

#pragma once

#include "graphics/TextStyle.h"
#include "ui/Control.h"
#include "ui/TextInput.h"

#include <memory>
#include <string>

namespace platform::ui {

class TextField;

class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    virtual void textFieldDidBeginEditing(TextField& field) { (void)field; }
    virtual void textFieldDidEndEditing(TextField& field) { (void)field; }
    virtual bool textFieldShouldReturn(TextField& field)
    {
        (void)field;
        return true;
    }
};

// A one-line editable text. Tapping it makes it first responder (which shows the
// keyboard); typing sends editing-changed for each character, Return asks the delegate
// and then sends the primary action. While it is edited, text wider than the field shows
// its end, where the caret is; at rest it shows its start, ended with an ellipsis.
class TextField : public Control, public TextInput {
public:
    TextField();
    explicit TextField(const Rect& frame);

    const std::string& text() const { return text_; }
    // Setting the text sends no event.
    void setText(const std::string& text) { text_ = text; }
    const std::string& placeholder() const { return placeholder_; }
    void setPlaceholder(const std::string& placeholder) { placeholder_ = placeholder; }
    // The placeholder's colour: the device's light placeholder grey unless set.
    const Color& placeholderColor() const { return placeholderColor_; }
    void setPlaceholderColor(const Color& color) { placeholderColor_ = color; }
    const graphics::Font& font() const { return style_.font; }
    void setFont(const graphics::Font& font) { style_.font = font; }
    const Color& textColor() const { return style_.color; }
    void setTextColor(const Color& color) { style_.color = color; }
    void setTextAlignment(graphics::TextAlignment alignment) { style_.alignment = alignment; }
    bool isSecureTextEntry() const { return secure_; }
    void setSecureTextEntry(bool secure) { secure_ = secure; }
    void setDelegate(const std::shared_ptr<TextFieldDelegate>& delegate) { delegate_ = delegate; }
    std::shared_ptr<TextFieldDelegate> delegate() const { return delegate_.lock(); }
    bool isEditing() const { return isFirstResponder(); }

    bool canBecomeFirstResponder() const override { return isEnabled(); }
    void insertText(const std::string& text) override;
    void deleteBackward() override;
    void pressReturn() override;
    void draw(graphics::DrawingContext& context) const override;

protected:
    void tapped() override;
    void didBecomeFirstResponder() override;
    void didResignFirstResponder() override;

private:
    std::string text_;
    std::string placeholder_;
    Color placeholderColor_ = Color::fromRGBA(0.78, 0.78, 0.8);
    graphics::TextStyle style_;
    bool secure_ = false;
    std::weak_ptr<TextFieldDelegate> delegate_;
};

} // namespace platform::ui

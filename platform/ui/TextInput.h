#pragma once

#include <string>

namespace platform::ui {

// What the keyboard types into: the text field or text view that is first responder.
class TextInput {
public:
    virtual ~TextInput() = default;
    virtual void insertText(const std::string& text) = 0;
    // Removes the last character (one Unicode code point); nothing when empty.
    virtual void deleteBackward() = 0;
    virtual void pressReturn() = 0;
};

// Removes the last UTF-8 encoded code point of `text`.
void eraseLastCodePoint(std::string& text);

} // namespace platform::ui

#pragma once

#include "graphics/AttributedString.h"
#include "graphics/Font.h"
#include "graphics/TextStyle.h"
#include "ui/View.h"

#include <optional>
#include <string>

namespace platform::ui {

using graphics::AttributedString;
using graphics::Font;
using graphics::TextAlignment;

// Read-only text. An attributed text, when set, takes the place of the plain text.
// Text of more lines than fit shows the lines that fit whole, the last ended with an
// ellipsis. Takes no touches by default.
class Label : public View {
public:
    Label();
    explicit Label(const Rect& frame);

    const std::optional<std::string>& text() const { return text_; }
    void setText(const std::optional<std::string>& text);
    const std::optional<AttributedString>& attributedText() const { return attributedText_; }
    void setAttributedText(const std::optional<AttributedString>& text);
    // What is shown: the attributed text's characters, else the text, else "".
    std::string displayedText() const;

    const Font& font() const { return style_.font; }
    void setFont(const Font& font) { style_.font = font; }
    const Color& textColor() const { return style_.color; }
    void setTextColor(const Color& color) { style_.color = color; }
    TextAlignment textAlignment() const { return style_.alignment; }
    void setTextAlignment(TextAlignment alignment) { style_.alignment = alignment; }
    int numberOfLines() const { return style_.numberOfLines; }
    void setNumberOfLines(int lines) { style_.numberOfLines = lines; }
    bool adjustsFontSizeToFitWidth() const { return adjustsFontSize_; }
    void setAdjustsFontSizeToFitWidth(bool adjusts) { adjustsFontSize_ = adjusts; }
    double minimumScaleFactor() const { return minimumScaleFactor_; }
    void setMinimumScaleFactor(double factor) { minimumScaleFactor_ = factor; }

    // The font scale the text is drawn at: below 1 when it shrinks to fit its width.
    double fittingScale() const { return fittingScale(bounds().width()); }
    double fittingScale(double width) const;
    // Draws the text as this label would, in another rectangle (buttons use it).
    void drawText(graphics::DrawingContext& context, const Rect& rect) const;
    Size sizeThatFits(const Size& size) const override;
    void draw(graphics::DrawingContext& context) const override;

private:
    AttributedString content() const;
    AttributedString scaledContent(double scale) const;
    graphics::TextStyle scaledStyle(double scale) const;

    std::optional<std::string> text_;
    std::optional<AttributedString> attributedText_;
    graphics::TextStyle style_;
    bool adjustsFontSize_ = false;
    double minimumScaleFactor_ = 0;
};

} // namespace platform::ui

#pragma once

#include "ui/Control.h"
#include "ui/Label.h"

#include <map>
#include <optional>
#include <string>

namespace platform::ui {

// A tappable control with a title (plain or attributed) and a title colour per state; a
// state without its own falls back to the normal state's.
class Button : public Control {
public:
    Button();
    explicit Button(const Rect& frame);

    void setTitle(const std::optional<std::string>& title, ControlState state = ControlState::normal);
    std::optional<std::string> title(ControlState state = ControlState::normal) const;
    void setAttributedTitle(const std::optional<AttributedString>& title, ControlState state = ControlState::normal);
    std::optional<AttributedString> attributedTitle(ControlState state = ControlState::normal) const;
    void setTitleColor(const Color& color, ControlState state = ControlState::normal);
    Color titleColor(ControlState state = ControlState::normal) const;
    void setImage(const graphics::ImagePtr& image, ControlState state = ControlState::normal);
    graphics::ImagePtr image(ControlState state = ControlState::normal) const;
    // The title for the current state.
    std::optional<std::string> currentTitle() const;

    const std::shared_ptr<Label>& titleLabel() const { return titleLabel_; }

    void layoutSubviews() override;
    Size sizeThatFits(const Size& size) const override;
    void draw(graphics::DrawingContext& context) const override;

protected:
    void stateDidChange() override;

private:
    void refreshTitle();

    std::shared_ptr<Label> titleLabel_;
    std::map<ControlState, std::string> titles_;
    std::map<ControlState, AttributedString> attributedTitles_;
    std::map<ControlState, Color> titleColors_;
    std::map<ControlState, graphics::ImagePtr> images_;
};

} // namespace platform::ui

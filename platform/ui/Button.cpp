#include "ui/Button.h"

namespace platform::ui {

namespace {

template <class Value>
std::optional<Value> forState(const std::map<ControlState, Value>& values, ControlState state)
{
    if (const auto found = values.find(state); found != values.end()) {
        return found->second;
    }
    if (const auto normal = values.find(ControlState::normal); normal != values.end()) {
        return normal->second;
    }
    return std::nullopt;
}

} // namespace

Button::Button() : titleLabel_(std::make_shared<Label>())
{
    titleLabel_->setTextAlignment(TextAlignment::center);
    titleLabel_->setTextColor(Color::systemBlue());
    titleLabel_->setFont(Font::systemFont(15));
}

Button::Button(const Rect& frame) : Button()
{
    setFrame(frame);
}

void Button::setTitle(const std::optional<std::string>& title, ControlState state)
{
    if (title) {
        titles_[state] = *title;
    } else {
        titles_.erase(state);
    }
    refreshTitle();
}

std::optional<std::string> Button::title(ControlState state) const
{
    return forState(titles_, state);
}

void Button::setAttributedTitle(const std::optional<AttributedString>& title, ControlState state)
{
    if (title) {
        attributedTitles_[state] = *title;
    } else {
        attributedTitles_.erase(state);
    }
    refreshTitle();
}

std::optional<AttributedString> Button::attributedTitle(ControlState state) const
{
    return forState(attributedTitles_, state);
}

void Button::setTitleColor(const Color& color, ControlState state)
{
    titleColors_[state] = color;
    refreshTitle();
}

Color Button::titleColor(ControlState state) const
{
    return forState(titleColors_, state).value_or(Color::systemBlue());
}

void Button::setImage(const graphics::ImagePtr& image, ControlState state)
{
    images_[state] = image;
}

graphics::ImagePtr Button::image(ControlState state) const
{
    return forState(images_, state).value_or(nullptr);
}

std::optional<std::string> Button::currentTitle() const
{
    if (const auto attributed = attributedTitle(state())) {
        return attributed->string();
    }
    return title(state());
}

void Button::stateDidChange()
{
    refreshTitle();
}

void Button::refreshTitle()
{
    if (const auto attributed = attributedTitle(state())) {
        titleLabel_->setAttributedText(attributed);
    } else {
        titleLabel_->setText(title(state()));
    }
    titleLabel_->setTextColor(titleColor(state()));
}

void Button::layoutSubviews()
{
    titleLabel_->setFrame({{0, 0}, bounds().size});
}

Size Button::sizeThatFits(const Size& size) const
{
    const Size title = titleLabel_->sizeThatFits(size);
    return {title.width + 12, std::max(title.height + 12, 30.0)};
}

void Button::draw(graphics::DrawingContext& context) const
{
    if (const auto picture = image(state())) {
        const Size size = picture->size();
        const Rect area = bounds();
        context.drawImage(*picture, {{area.midX() - size.width / 2, area.midY() - size.height / 2}, size});
    }
    if (!titleLabel_->isHidden()) {
        titleLabel_->drawText(context, bounds());
    }
}

} // namespace platform::ui

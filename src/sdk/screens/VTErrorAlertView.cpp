#include "sdk/screens/VTErrorAlertView.h"

using platform::graphics::makeRect;
using platform::ui::Font;
using platform::ui::Label;

namespace {

constexpr double boxWidth = 270;
constexpr double padding = 16;
constexpr double spacing = 8;
constexpr double buttonHeight = 44;

std::shared_ptr<Label> makeLabel(const std::string& text, const Font& font)
{
    auto label = std::make_shared<Label>();
    label->setText(text);
    label->setFont(font);
    label->setNumberOfLines(0);
    label->setTextAlignment(platform::ui::TextAlignment::center);
    return label;
}

double heightOf(const Label& label)
{
    return label.sizeThatFits({boxWidth - 2 * padding, 0}).height;
}

} // namespace

VTErrorAlertView::VTErrorAlertView(const platform::ui::Rect& frame, const std::string& title,
                                   const std::string& message, const std::string& buttonTitle, CloseHandler onClose)
    : VTModalOverlayView(frame)
    , titleLabel_(makeLabel(title, Font::boldSystemFont(17)))
    , messageLabel_(makeLabel(message, Font::systemFont(13)))
    , button_(std::make_shared<platform::ui::Button>())
    , onClose_(std::move(onClose))
{
    button_->setTitle(buttonTitle);
    button_->setTitleColor(platform::graphics::Color::systemBlue());
    button_->layer().setBorderWidth(0.5);
    button_->layer().setBorderColor(platform::graphics::Color::systemGray4());
    button_->addAction(platform::ui::ControlEvent::touchUpInside, [this](platform::ui::Control&) { buttonTapped(); });
    box()->addSubview(titleLabel_);
    box()->addSubview(messageLabel_);
    box()->addSubview(button_);
}

void VTErrorAlertView::buttonTapped()
{
    // Taken out first: a second tap while the handler runs must not close twice.
    const auto handler = std::move(onClose_);
    onClose_ = nullptr;
    if (handler) {
        handler(*this);
    }
}

platform::ui::Size VTErrorAlertView::boxSize() const
{
    return {boxWidth, padding + heightOf(*titleLabel_) + spacing + heightOf(*messageLabel_) + padding + buttonHeight};
}

void VTErrorAlertView::layoutBox()
{
    const double titleHeight = heightOf(*titleLabel_);
    const double messageHeight = heightOf(*messageLabel_);
    titleLabel_->setFrame(makeRect(padding, padding, boxWidth - 2 * padding, titleHeight));
    messageLabel_->setFrame(
        makeRect(padding, padding + titleHeight + spacing, boxWidth - 2 * padding, messageHeight));
    button_->setFrame(makeRect(0, box()->bounds().height() - buttonHeight, boxWidth, buttonHeight));
}

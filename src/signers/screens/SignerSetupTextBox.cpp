#include "signers/screens/SignerSetupTextBox.h"

#include "composer/screens/CreateTransactionLook.h"

using platform::graphics::makeRect;

namespace {

constexpr double kFieldInset = 12;
constexpr double kCornerRadius = 6;

} // namespace

SignerSetupTextBox::SignerSetupTextBox(const std::string& placeholder)
    : indicator_(std::make_shared<platform::ui::View>()), textField_(std::make_shared<platform::ui::TextField>())
{
    setBackgroundColor(platform::graphics::Color::white());
    layer().setCornerRadius(kCornerRadius);
    layer().setBorderWidth(1);
    layer().setBorderColor(CreateTransactionLook::divider());
    setClipsToBounds(true);
    textField_->setPlaceholder(placeholder);
    textField_->setFont(CreateTransactionLook::bodyFont());
    addSubview(indicator_);
    addSubview(textField_);
}

void SignerSetupTextBox::layoutSubviews()
{
    const auto size = bounds().size;
    indicator_->setFrame(makeRect(0, 0, kIndicatorWidth, size.height));
    textField_->setFrame(makeRect(kFieldInset, 0, size.width - 2 * kFieldInset, size.height));
}

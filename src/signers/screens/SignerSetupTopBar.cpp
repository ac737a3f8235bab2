#include "signers/screens/SignerSetupTopBar.h"

#include "composer/screens/CreateTransactionBarButton.h"
#include "composer/screens/CreateTransactionLook.h"

using platform::graphics::makeRect;

namespace {

constexpr double buttonWidth = 80;
constexpr double edgeMargin = 8;

} // namespace

SignerSetupTopBar::SignerSetupTopBar(const std::string& title)
    : titleLabel_(std::make_shared<platform::ui::Label>())
{
    setBackgroundColor(CreateTransactionLook::bar());
    titleLabel_->setText(title);
    titleLabel_->setTextColor(platform::graphics::Color::white());
    titleLabel_->setFont(platform::graphics::Font::boldSystemFont(18));
    titleLabel_->setTextAlignment(platform::graphics::TextAlignment::center);
    titleLabel_->setAdjustsFontSizeToFitWidth(true);
    titleLabel_->setMinimumScaleFactor(0.7);
    addSubview(titleLabel_);
}

std::shared_ptr<platform::ui::Button> SignerSetupTopBar::addLeadingButton(const std::string& title)
{
    leadingButton_ = CreateTransactionBarButton::make(title);
    addSubview(leadingButton_);
    return leadingButton_;
}

std::shared_ptr<platform::ui::Button> SignerSetupTopBar::addTrailingButton(const std::string& title)
{
    trailingButton_ = CreateTransactionBarButton::make(title);
    trailingButton_->titleLabel()->setFont(platform::graphics::Font::boldSystemFont(16));
    addSubview(trailingButton_);
    return trailingButton_;
}

void SignerSetupTopBar::layoutSubviews()
{
    const double width = bounds().width();
    const double height = bounds().height();
    const double side = buttonWidth + 2 * edgeMargin;
    titleLabel_->setFrame(makeRect(side, 0, std::max(0.0, width - 2 * side), height));
    if (leadingButton_) {
        leadingButton_->setFrame(makeRect(edgeMargin, 0, buttonWidth, height));
    }
    if (trailingButton_) {
        trailingButton_->setFrame(makeRect(width - edgeMargin - buttonWidth, 0, buttonWidth, height));
    }
}

#include "signers/screens/SignerSetupTopBar.h"

#include "composer/screens/CreateTransactionBarButton.h"
#include "composer/screens/CreateTransactionLook.h"
#include "support/LocalizedSDK.h"

using platform::graphics::Color;
using platform::graphics::makeRect;

SignerSetupTopBar::SignerSetupTopBar(const std::string& title)
    : titleLabel_(std::make_shared<platform::ui::Label>())
    , backButton_(CreateTransactionBarButton::make(localizedSDK("Back")))
{
    setBackgroundColor(CreateTransactionLook::bar());
    titleLabel_->setText(title);
    titleLabel_->setTextColor(Color::white());
    titleLabel_->setFont(platform::graphics::Font::boldSystemFont(18));
    titleLabel_->setTextAlignment(platform::graphics::TextAlignment::center);
    titleLabel_->setAdjustsFontSizeToFitWidth(true);
    titleLabel_->setMinimumScaleFactor(0.6);
    addSubview(titleLabel_);
    addSubview(backButton_);
}

const std::shared_ptr<platform::ui::Button>& SignerSetupTopBar::iconButton()
{
    if (!iconButton_) {
        iconButton_ = std::make_shared<platform::ui::Button>();
        iconButton_->setTitleColor(Color::white());
        iconButton_->titleLabel()->setFont(CreateTransactionLook::iconFont(kIconSize));
        addSubview(iconButton_);
        setNeedsLayout();
    }
    return iconButton_;
}

void SignerSetupTopBar::layoutSubviews()
{
    const double width = bounds().width();
    const double height = bounds().height();
    backButton_->setFrame(makeRect(8, 0, kButtonWidth, height));
    titleLabel_->setFrame(makeRect(kButtonWidth + 16, 0, width - 2 * (kButtonWidth + 16), height));
    if (iconButton_) {
        iconButton_->setFrame(makeRect(width - 8 - kButtonWidth / 2, 0, kButtonWidth / 2, height));
    }
}

#include "signers/screens/SignerSetupTopBar.h"

#include "composer/screens/CreateTransactionBarButton.h"
#include "composer/screens/CreateTransactionLook.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"

#include <algorithm>

using platform::graphics::Color;
using platform::graphics::makeRect;

namespace {

constexpr double edgeMargin = 8;

} // namespace

SignerSetupTopBar::SignerSetupTopBar(const std::string& title)
    : titleLabel_(std::make_shared<platform::ui::Label>())
{
    setBackgroundColor(CreateTransactionLook::bar());
    titleLabel_->setText(title);
    titleLabel_->setTextColor(Color::white());
    titleLabel_->setFont(platform::graphics::Font::boldSystemFont(18));
    titleLabel_->setTextAlignment(platform::graphics::TextAlignment::center);
    titleLabel_->setAdjustsFontSizeToFitWidth(true);
    titleLabel_->setMinimumScaleFactor(0.6);
    addSubview(titleLabel_);
}

std::shared_ptr<platform::ui::Button> SignerSetupTopBar::addLeadingButton(const std::string& title)
{
    leadingButton_ = CreateTransactionBarButton::make(title);
    addSubview(leadingButton_);
    setNeedsLayout();
    return leadingButton_;
}

std::shared_ptr<platform::ui::Button> SignerSetupTopBar::addTrailingButton(const std::string& title)
{
    trailingButton_ = CreateTransactionBarButton::make(title);
    trailingButton_->titleLabel()->setFont(platform::graphics::Font::boldSystemFont(16));
    trailingIsIcon_ = false;
    addSubview(trailingButton_);
    setNeedsLayout();
    return trailingButton_;
}

const std::shared_ptr<platform::ui::Button>& SignerSetupTopBar::backButton()
{
    if (!leadingButton_) {
        addLeadingButton(localizedSDK("Back"));
    }
    return leadingButton_;
}

const std::shared_ptr<platform::ui::Button>& SignerSetupTopBar::iconButton()
{
    if (!trailingButton_) {
        trailingButton_ = std::make_shared<platform::ui::Button>();
        trailingButton_->setTitleColor(Color::white());
        trailingButton_->titleLabel()->setFont(CreateTransactionLook::iconFont(kIconSize));
        trailingIsIcon_ = true;
        addSubview(trailingButton_);
        setNeedsLayout();
    }
    return trailingButton_;
}

void SignerSetupTopBar::layoutSubviews()
{
    const auto safeBand = ZKScreen::withinSafeSides(*this, bounds());
    const double left = safeBand.minX();
    const double right = safeBand.maxX();
    const double height = bounds().height();
    const double side = kButtonWidth + 2 * edgeMargin;
    titleLabel_->setFrame(makeRect(left + side, 0, std::max(0.0, right - left - 2 * side), height));
    if (leadingButton_) {
        leadingButton_->setFrame(makeRect(left + edgeMargin, 0, kButtonWidth, height));
    }
    if (trailingButton_) {
        const double buttonWidth = trailingIsIcon_ ? kButtonWidth / 2 : kButtonWidth;
        trailingButton_->setFrame(makeRect(right - edgeMargin - buttonWidth, 0, buttonWidth, height));
    }
}

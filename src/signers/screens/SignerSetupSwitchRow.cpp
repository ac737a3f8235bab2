#include "signers/screens/SignerSetupSwitchRow.h"

#include "composer/screens/CreateTransactionLook.h"

using platform::graphics::makeRect;

SignerSetupSwitchRow::SignerSetupSwitchRow(const std::string& title)
    : titleLabel_(std::make_shared<platform::ui::Label>()), switch_(std::make_shared<platform::ui::Switch>())
{
    titleLabel_->setText(title);
    titleLabel_->setFont(CreateTransactionLook::bodyFont());
    titleLabel_->setTextColor(CreateTransactionLook::caption());
    switch_->setOnTintColor(CreateTransactionLook::accent());
    addSubview(titleLabel_);
    addSubview(switch_);
}

void SignerSetupSwitchRow::layoutSubviews()
{
    const auto size = bounds().size;
    const auto switchSize = switch_->bounds().size;
    switch_->setFrame(makeRect(size.width - switchSize.width, (size.height - switchSize.height) / 2, switchSize.width,
                               switchSize.height));
    titleLabel_->setFrame(makeRect(0, 0, size.width - switchSize.width - 8, size.height));
}

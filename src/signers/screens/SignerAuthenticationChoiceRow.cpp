#include "signers/screens/SignerAuthenticationChoiceRow.h"

#include "composer/screens/CreateTransactionLook.h"

#include <initializer_list>

using platform::graphics::makeRect;

namespace {

constexpr double kInset = 16;
constexpr double kCheckMarkSize = 24;

} // namespace

SignerAuthenticationChoiceRow::SignerAuthenticationChoiceRow(const std::string& title)
    : titleLabel_(std::make_shared<platform::ui::Label>())
    , checkMark_(std::make_shared<platform::ui::Label>())
    , divider_(std::make_shared<platform::ui::View>())
    , button_(std::make_shared<platform::ui::Button>())
{
    setBackgroundColor(platform::graphics::Color::white());
    titleLabel_->setText(title);
    titleLabel_->setFont(CreateTransactionLook::bodyFont());
    checkMark_->setText("C");
    checkMark_->setFont(CreateTransactionLook::iconFont(kCheckMarkSize));
    checkMark_->setTextColor(CreateTransactionLook::accent());
    checkMark_->setTextAlignment(platform::graphics::TextAlignment::center);
    checkMark_->setHidden(true);
    divider_->setBackgroundColor(CreateTransactionLook::divider());
    for (const auto& view : std::initializer_list<std::shared_ptr<platform::ui::View>>{titleLabel_, checkMark_, divider_}) {
        addSubview(view);
    }
    addSubview(button_);
}

void SignerAuthenticationChoiceRow::layoutSubviews()
{
    const double width = bounds().width();
    const double height = bounds().height();
    const double markWidth = kCheckMarkSize + 2 * kInset;
    titleLabel_->setFrame(makeRect(kInset, 0, width - kInset - markWidth, height));
    // The pop scales the mark about its centre: its frame is placed through the centre
    // so that a layout in the middle of the pop keeps the scale.
    checkMark_->setBounds(makeRect(0, 0, markWidth, height));
    checkMark_->setCenter({width - markWidth / 2, height / 2});
    divider_->setFrame(makeRect(kInset, height - 1, width - kInset, 1));
    button_->setFrame(bounds());
}

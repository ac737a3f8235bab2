#include "composer/screens/CreateTransactionSettingsSwitchCell.h"

#include "composer/screens/CreateTransactionLook.h"

using platform::graphics::makeRect;

namespace {

constexpr double margin = 16;
constexpr double switchWidth = 51;
constexpr double switchHeight = 31;
constexpr double iconSize = 22;
constexpr double iconGap = 12;

} // namespace

CreateTransactionSettingsSwitchCell::CreateTransactionSettingsSwitchCell(const std::string& reuseIdentifier,
                                                                         const std::string& glyph,
                                                                         const std::string& caption)
    : TableViewCell(reuseIdentifier)
    , icon_(std::make_shared<platform::ui::Label>())
    , caption_(std::make_shared<platform::ui::Label>())
    , switch_(std::make_shared<platform::ui::Switch>())
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    icon_->setFont(CreateTransactionLook::iconFont(iconSize));
    icon_->setTextColor(CreateTransactionLook::accent());
    icon_->setText(glyph);
    caption_->setText(caption);
    caption_->setFont(platform::graphics::Font::systemFont(16));
    switch_->setOnTintColor(CreateTransactionLook::accent());
    contentView()->addSubview(icon_);
    contentView()->addSubview(caption_);
    contentView()->addSubview(switch_);
}

void CreateTransactionSettingsSwitchCell::awakeFromNib()
{
    switch_->addTarget(shared_from_this(), platform::ui::ControlEvent::valueChanged,
                       [this](platform::ui::Control&) { switchChanged(switch_->isOn()); });
}

void CreateTransactionSettingsSwitchCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    const double switchLeft = area.width() - margin - switchWidth;
    switch_->setFrame(makeRect(switchLeft, (area.height() - switchHeight) / 2, switchWidth, switchHeight));
    icon_->setFrame(makeRect(margin, (area.height() - iconSize) / 2, iconSize + 4, iconSize));
    const double captionLeft = margin + iconSize + iconGap;
    caption_->setFrame(makeRect(captionLeft, 0, switchLeft - margin - captionLeft, area.height()));
}

#include "composer/screens/CreateTransactionSettingsSwitchCell.h"

#include "composer/screens/CreateTransactionLook.h"

using platform::graphics::makeRect;

namespace {

constexpr double margin = 16;
constexpr double switchWidth = 51;
constexpr double switchHeight = 31;

} // namespace

CreateTransactionSettingsSwitchCell::CreateTransactionSettingsSwitchCell(const std::string& reuseIdentifier,
                                                                         const std::string& caption)
    : TableViewCell(reuseIdentifier)
    , caption_(std::make_shared<platform::ui::Label>())
    , switch_(std::make_shared<platform::ui::Switch>())
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    caption_->setText(caption);
    caption_->setFont(platform::graphics::Font::systemFont(16));
    switch_->setOnTintColor(CreateTransactionLook::accent());
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
    caption_->setFrame(makeRect(margin, 0, switchLeft - 2 * margin, area.height()));
}

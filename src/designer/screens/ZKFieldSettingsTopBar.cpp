#include "designer/screens/ZKFieldSettingsTopBar.h"

#include "designer/screens/ZKFieldSettingsLook.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"

using platform::graphics::Color;
using platform::graphics::makeRect;

namespace {

constexpr double buttonWidth = 76;
constexpr double sideMargin = 8;

std::shared_ptr<platform::ui::Button> barButton(const std::string& title, const platform::graphics::Font& font)
{
    auto button = std::make_shared<platform::ui::Button>();
    button->setTitle(localizedSDK(title));
    button->setTitleColor(Color::white());
    button->titleLabel()->setFont(font);
    return button;
}

} // namespace

ZKFieldSettingsTopBar::ZKFieldSettingsTopBar(const std::string& title)
    : titleLabel_(std::make_shared<platform::ui::Label>())
    , cancelButton_(barButton("Cancel", ZKFieldSettingsLook::barButtonFont()))
    , saveButton_(barButton("Save", platform::graphics::Font::boldSystemFont(16)))
{
    setBackgroundColor(ZKFieldSettingsLook::bar());
    titleLabel_->setText(localizedSDK(title));
    titleLabel_->setFont(ZKFieldSettingsLook::titleFont());
    titleLabel_->setTextColor(Color::white());
    titleLabel_->setTextAlignment(platform::graphics::TextAlignment::center);
    titleLabel_->setAdjustsFontSizeToFitWidth(true);
    titleLabel_->setMinimumScaleFactor(0.7);
    addSubview(titleLabel_);
    addSubview(cancelButton_);
    addSubview(saveButton_);
}

void ZKFieldSettingsTopBar::layoutSubviews()
{
    const auto safeBand = ZKScreen::withinSafeSides(*this, bounds());
    const double left = safeBand.minX();
    const double right = safeBand.maxX();
    const double height = bounds().height();
    cancelButton_->setFrame(makeRect(left + sideMargin, 0, buttonWidth, height));
    saveButton_->setFrame(makeRect(right - sideMargin - buttonWidth, 0, buttonWidth, height));
    const double titleInset = sideMargin * 2 + buttonWidth;
    titleLabel_->setFrame(makeRect(left + titleInset, 0, std::max(0.0, right - left - 2 * titleInset), height));
}

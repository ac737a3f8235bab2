#include "fields/ZKLabelDisplayView.h"

#include <algorithm>

using platform::graphics::Color;

namespace {

constexpr double inset = 3;

} // namespace

ZKLabelDisplayView::ZKLabelDisplayView(bool multiline)
    : multiline_(multiline), signingModeLabel_(std::make_shared<platform::ui::Label>())
{
    signingModeLabel_->setNumberOfLines(multiline ? 0 : 1);
    signingModeLabel_->setAdjustsFontSizeToFitWidth(!multiline);
    signingModeLabel_->setMinimumScaleFactor(0.5);
    addSubview(signingModeLabel_);
}

void ZKLabelDisplayView::showText(const std::string& value, const std::string& placeholder)
{
    const bool empty = value.empty();
    signingModeLabel_->setText(empty ? placeholder : value);
    signingModeLabel_->setTextColor(empty ? Color::darkGray() : Color::black());
}

void ZKLabelDisplayView::layoutSubviews()
{
    const auto& b = bounds();
    signingModeLabel_->setFont(platform::graphics::Font::systemFont(fontSizeForHeight(multiline_ ? 38 : b.height())));
    signingModeLabel_->setFrame(b.insetBy(inset, 0));
}

double ZKLabelDisplayView::fontSizeForHeight(double height)
{
    return std::clamp(height * 0.4, 6.0, 16.0);
}

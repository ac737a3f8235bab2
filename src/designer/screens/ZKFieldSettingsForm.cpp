#include "designer/screens/ZKFieldSettingsForm.h"

#include "designer/screens/ZKFieldSettingsLook.h"
#include "support/LocalizedSDK.h"

#include <algorithm>

using platform::graphics::Color;
using platform::graphics::makeRect;

namespace {

constexpr double margin = 16;
constexpr double captionHeight = 30;
constexpr double entryGap = 14;
constexpr double switchRowHeight = 50;
constexpr double accessoryWidth = 64;
// The gap between a switch and the right edge of its row.
constexpr double switchRowInset = 12;

} // namespace

void ZKFieldSettingsForm::frameAsEntry(platform::ui::View& control)
{
    control.setBackgroundColor(Color::white());
    control.layer().setBorderWidth(1);
    control.layer().setBorderColor(ZKFieldSettingsLook::border());
    control.layer().setCornerRadius(6);
}

void ZKFieldSettingsForm::addEntry(const std::string& caption, const std::shared_ptr<platform::ui::View>& control,
                                   double height, const std::shared_ptr<platform::ui::Button>& accessory)
{
    Entry entry{makeCaption(caption), control, height, accessory, nullptr};
    content_->addSubview(entry.caption);
    content_->addSubview(control);
    if (accessory) {
        content_->addSubview(accessory);
    }
    entries_.push_back(std::move(entry));
}

void ZKFieldSettingsForm::addSwitch(const std::string& caption, const std::shared_ptr<platform::ui::Switch>& control)
{
    auto row = std::make_shared<platform::ui::View>();
    frameAsEntry(*row);
    Entry entry{makeCaption(caption), control, switchRowHeight, nullptr, row};
    entry.caption->setFont(ZKFieldSettingsLook::bodyFont());
    entry.caption->setTextColor(Color::black());
    row->addSubview(entry.caption);
    row->addSubview(control);
    content_->addSubview(row);
    entries_.push_back(std::move(entry));
}

double ZKFieldSettingsForm::sideMargin(double width)
{
    const double formWidth = std::min(maximumWidth, std::max(0.0, width - 2 * margin));
    return (width - formWidth) / 2;
}

double ZKFieldSettingsForm::layout(double top, double width) const
{
    const double x = sideMargin(width);
    const double formWidth = std::max(0.0, width - 2 * x);
    double y = top;
    for (const auto& entry : entries_) {
        y = entry.row ? layoutSwitchRow(entry, x, y, formWidth) : layoutEntry(entry, x, y, formWidth);
        y += entryGap;
    }
    return y + margin;
}

double ZKFieldSettingsForm::layoutEntry(const Entry& entry, double x, double y, double width) const
{
    entry.caption->setFrame(
        makeRect(x + textInset, y, width - textInset - (entry.accessory ? accessoryWidth : 0), captionHeight));
    if (entry.accessory) {
        entry.accessory->setFrame(makeRect(x + width - accessoryWidth, y, accessoryWidth, captionHeight));
    }
    y += captionHeight;
    // A bare text has no box to draw its own inset.
    const double inset = std::dynamic_pointer_cast<platform::ui::Label>(entry.control) ? textInset : 0;
    entry.control->setFrame(makeRect(x + inset, y, width - inset, entry.height));
    return y + entry.height;
}

double ZKFieldSettingsForm::layoutSwitchRow(const Entry& entry, double x, double y, double width) const
{
    entry.row->setFrame(makeRect(x, y, width, switchRowHeight));
    const auto switchSize = entry.control->bounds().size;
    const double switchLeft = width - switchRowInset - switchSize.width;
    entry.control->setFrame(
        makeRect(switchLeft, (switchRowHeight - switchSize.height) / 2, switchSize.width, switchSize.height));
    // The caption starts where the text of the boxes above and below it does.
    entry.caption->setFrame(
        makeRect(textInset, 0, std::max(0.0, switchLeft - switchRowInset - textInset), switchRowHeight));
    return y + switchRowHeight;
}

std::shared_ptr<platform::ui::Label> ZKFieldSettingsForm::makeCaption(const std::string& caption)
{
    auto label = std::make_shared<platform::ui::Label>();
    label->setText(localizedSDK(caption));
    label->setFont(ZKFieldSettingsLook::captionFont());
    label->setTextColor(ZKFieldSettingsLook::caption());
    return label;
}

std::shared_ptr<platform::ui::TextField> ZKFieldSettingsForm::makeTextField(int tag)
{
    auto field = std::make_shared<platform::ui::TextField>();
    frameAsEntry(*field);
    field->setFont(ZKFieldSettingsLook::bodyFont());
    field->setTag(tag);
    return field;
}

std::shared_ptr<platform::ui::TextView> ZKFieldSettingsForm::makeTextView()
{
    auto view = std::make_shared<platform::ui::TextView>();
    frameAsEntry(*view);
    view->setFont(ZKFieldSettingsLook::bodyFont());
    return view;
}

std::shared_ptr<platform::ui::Switch> ZKFieldSettingsForm::makeSwitch()
{
    auto control = std::make_shared<platform::ui::Switch>();
    control->setOnTintColor(ZKFieldSettingsLook::accent());
    return control;
}

std::shared_ptr<platform::ui::Button> ZKFieldSettingsForm::makeClearButton()
{
    auto button = std::make_shared<platform::ui::Button>();
    button->setTitle(localizedSDK("Clear"));
    button->setTitleColor(ZKFieldSettingsLook::accent());
    button->titleLabel()->setFont(platform::graphics::Font::systemFont(15));
    button->titleLabel()->setTextAlignment(platform::graphics::TextAlignment::right);
    return button;
}

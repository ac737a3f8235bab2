#include "designer/screens/ZKFieldSettingsListCell.h"

#include "designer/screens/ZKFieldSettingsForm.h"

#include <algorithm>

void ZKFieldSettingsListCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    const double inset = ZKFieldSettingsForm::textInset;
    textLabel()->setFrame(platform::graphics::makeRect(inset, 0, std::max(0.0, area.width() - 2 * inset), area.height()));
}

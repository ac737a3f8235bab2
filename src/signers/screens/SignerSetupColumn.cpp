#include "signers/screens/SignerSetupColumn.h"

void SignerSetupColumn::layout(platform::ui::ScrollView& scrollView, const std::vector<Item>& items)
{
    const double width = scrollView.bounds().width();
    double y = 0;
    for (const auto& item : items) {
        y += item.spaceAbove;
        item.view->setFrame(platform::graphics::makeRect(kMargin, y, width - 2 * kMargin, item.height));
        y += item.height;
    }
    scrollView.setContentSize({width, y + kMargin});
}

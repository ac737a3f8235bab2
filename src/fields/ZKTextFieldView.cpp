#include "fields/ZKTextFieldView.h"

#include "fields/ZKLabelDisplayView.h"

ZKTextFieldView::ZKTextFieldView() : signingModeTextField_(std::make_shared<platform::ui::TextField>())
{
    // The field's tint and the page's text under it make the device's pale placeholder
    // grey hard to read; the placeholder takes the colour of the other fields' names.
    signingModeTextField_->setPlaceholderColor(platform::graphics::Color::darkGray());
    addSubview(signingModeTextField_);
}

void ZKTextFieldView::layoutSubviews()
{
    const auto& b = bounds();
    signingModeTextField_->setFont(platform::graphics::Font::systemFont(ZKLabelDisplayView::fontSizeForHeight(b.height())));
    signingModeTextField_->setFrame(b.insetBy(3, 0));
}

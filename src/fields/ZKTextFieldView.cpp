#include "fields/ZKTextFieldView.h"

#include "fields/ZKLabelDisplayView.h"

ZKTextFieldView::ZKTextFieldView() : signingModeTextField_(std::make_shared<platform::ui::TextField>())
{
    addSubview(signingModeTextField_);
}

void ZKTextFieldView::layoutSubviews()
{
    const auto& b = bounds();
    signingModeTextField_->setFont(platform::graphics::Font::systemFont(ZKLabelDisplayView::fontSizeForHeight(b.height())));
    signingModeTextField_->setFrame(b.insetBy(3, 0));
}

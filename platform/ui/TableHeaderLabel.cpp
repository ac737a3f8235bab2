#include "ui/TableHeaderLabel.h"

namespace platform::ui {

void TableHeaderLabel::setContentInsets(const EdgeInsets& insets)
{
    contentInsets_ = insets;
}

void TableHeaderLabel::draw(graphics::DrawingContext& context) const
{
    drawText(context, bounds().inset(contentInsets_).insetBy(textInset, 0));
}

} // namespace platform::ui

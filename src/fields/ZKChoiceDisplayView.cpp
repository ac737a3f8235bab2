#include "fields/ZKChoiceDisplayView.h"

#include "model/ZKElement.h"

#include <algorithm>

ZKChoiceDisplayView::ZKChoiceDisplayView(std::weak_ptr<ZKElement> element) : element_(std::move(element))
{
}

void ZKChoiceDisplayView::updateAppearance()
{
    const auto element = element_.lock();
    checked_ = element && isCheckedContent(element->content());
}

platform::graphics::Rect ZKChoiceDisplayView::markArea() const
{
    const auto& b = bounds();
    const double side = std::min(b.width(), b.height());
    return platform::graphics::makeRect(b.midX() - side / 2, b.midY() - side / 2, side, side);
}

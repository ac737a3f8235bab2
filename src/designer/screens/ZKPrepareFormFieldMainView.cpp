#include "designer/screens/ZKPrepareFormFieldMainView.h"

#include <algorithm>

std::shared_ptr<platform::ui::View> ZKPrepareFormFieldMainView::hitTest(const platform::graphics::Point& point)
{
    auto hit = View::hitTest(point);
    const auto& children = subviews();
    if (!hit || children.empty()) {
        return nullptr;
    }
    if (point.x - bounds().minX() < edgeStripWidth) {
        return hit;
    }
    const auto first = children.begin();
    const auto end = first + static_cast<std::ptrdiff_t>(std::min<std::size_t>(children.size(), 2));
    const bool onPanel = std::any_of(first, end, [&point](const auto& child) { return child->frame().contains(point); });
    return onPanel ? hit : nullptr;
}

#include "ceremony/screens/ZKPDFPageStack.h"

#include <algorithm>
#include <cmath>

using platform::graphics::makeRect;

ZKPDFPageStack::ZKPDFPageStack(const std::vector<platform::graphics::Size>& pageSizes)
{
    double width = 0;
    for (const auto& size : pageSizes) {
        width = std::max(width, size.width);
    }
    double y = spacing;
    for (const auto& size : pageSizes) {
        frames_.push_back(makeRect((width - size.width) / 2, y, size.width, size.height));
        y += size.height + spacing;
    }
    contentSize_ = {width, y};
}

std::optional<std::size_t> ZKPDFPageStack::pageIndexNearestTo(double y) const
{
    if (frames_.empty()) {
        return std::nullopt;
    }
    const auto distance = [y](const platform::graphics::Rect& frame) {
        return y < frame.minY() ? frame.minY() - y : std::max(0.0, y - frame.maxY());
    };
    const auto nearest = std::min_element(frames_.begin(), frames_.end(), [&](const auto& a, const auto& b) {
        return distance(a) < distance(b);
    });
    return static_cast<std::size_t>(nearest - frames_.begin());
}

std::optional<ZKPDFPageStack::Placement> ZKPDFPageStack::placementOf(const platform::graphics::Rect& frame) const
{
    const auto index = pageIndexNearestTo(frame.midY());
    if (!index) {
        return std::nullopt;
    }
    const auto& page = frames_[*index];
    const double width = std::min(frame.width(), page.width());
    const double height = std::min(frame.height(), page.height());
    const double x = std::clamp(frame.minX() - page.minX(), 0.0, page.width() - width);
    const double y = std::clamp(frame.minY() - page.minY(), 0.0, page.height() - height);
    return Placement{*index, makeRect(x, y, width, height)};
}

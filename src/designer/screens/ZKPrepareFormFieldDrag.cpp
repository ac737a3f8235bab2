#include "designer/screens/ZKPrepareFormFieldDrag.h"

#include <algorithm>

using platform::graphics::Point;

ZKPrepareFormFieldDrag::ZKPrepareFormFieldDrag(const Point& finger, const platform::graphics::Size& field,
                                               const platform::graphics::Size& root)
    : finger_(finger), field_(field), root_(root), fingerInLeftHalf_(finger.x < root.width / 2)
{
    const double offset = fingerInLeftHalf_ ? fingerOffset : -fingerOffset;
    origin_ = {std::max(finger.x + offset - field.width / 2, 0.0), std::max(finger.y - field.height / 2, 0.0)};
    if (origin_.x + field.width > root.width) {
        origin_.x = root.width - field.width;
    }
    if (origin_.y + field.height > root.height) {
        origin_.y = root.height - field.height;
    }
}

Point ZKPrepareFormFieldDrag::fieldTranslation() const
{
    return {origin_.x + field_.width / 2 - root_.width / 2, origin_.y + field_.height / 2 - root_.height / 2};
}

Point ZKPrepareFormFieldDrag::fingerInField() const
{
    return {finger_.x - origin_.x, finger_.y - origin_.y};
}

platform::graphics::Rect ZKPrepareFormFieldDrag::smallFieldFrame(const Point& finger,
                                                                 const platform::graphics::Size& root)
{
    return platform::graphics::makeRect(std::min(std::max(finger.x - smallFieldOffsetX, 0.0), root.width - smallFieldOffsetY),
                                        std::min(std::max(finger.y - smallFieldOffsetY, 0.0), root.height - smallFieldOffsetY),
                                        smallFieldSide, smallFieldSide);
}

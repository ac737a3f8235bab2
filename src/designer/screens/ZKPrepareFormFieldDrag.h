#pragma once

#include "ceremony/screens/ZKNewFieldPlacement.h"
#include "graphics/Geometry.h"

// Where the floating copy of a palette item stands while a finger drags it over the
// side panel's root view: beside the finger, on the side that faces the middle of the
// screen so the finger never covers it, and wholly inside the root view. A value; all
// points are in the root view's coordinates.
class ZKPrepareFormFieldDrag {
public:
    // How far the field's middle stands beside the finger.
    static constexpr double fingerOffset = 22;
    // Check boxes and radio buttons are placed under the finger at their own small size.
    static constexpr double smallFieldSide = ZKNewFieldPlacement::smallSide;
    static constexpr double smallFieldOffsetX = 7.0;
    static constexpr double smallFieldOffsetY = 6.92;

    ZKPrepareFormFieldDrag(const platform::graphics::Point& finger, const platform::graphics::Size& field,
                           const platform::graphics::Size& root);

    // In the left half the field stands to the right of the finger, its glyph on its
    // right; otherwise the other way round.
    bool fingerInLeftHalf() const { return fingerInLeftHalf_; }
    const platform::graphics::Point& fieldOrigin() const { return origin_; }
    // The translation that moves the field, centred in the root view at rest, there.
    platform::graphics::Point fieldTranslation() const;
    // The finger in the field's coordinates.
    platform::graphics::Point fingerInField() const;

    // What a check box or radio button dropped with the finger at `finger` is placed at.
    // Only its left and top are kept on screen: at the far corner half of it lies beyond.
    static platform::graphics::Rect smallFieldFrame(const platform::graphics::Point& finger,
                                                    const platform::graphics::Size& root);

private:
    platform::graphics::Point finger_;
    platform::graphics::Size field_;
    platform::graphics::Size root_;
    bool fingerInLeftHalf_;
    platform::graphics::Point origin_;
};

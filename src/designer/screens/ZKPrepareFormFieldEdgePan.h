#pragma once

#include "ceremony/screens/ZKPrepareFormFieldPanel.h"

// Where the side panel's body stands while a finger pulls it from the screen's left edge
// (or drags its reveal tab), and where it goes on release. The body is 257 points wide;
// minimised, its 61-point icon column already shows, so the pull starts that far in. A
// value; the translation is the finger's horizontal travel.
class ZKPrepareFormFieldEdgePan {
public:
    static constexpr double bodyWidth = 257;
    static constexpr double iconColumnWidth = ZKPrepareFormFieldPanel::minimizedWidth;
    // How far a pull from the hidden panel must go to open it fully.
    static constexpr double maximizeThreshold = 80;

    ZKPrepareFormFieldEdgePan(bool fromHidden, double translation);

    // The body's left constraint.
    double bodyConstant() const { return travel_ - bodyWidth + shown_; }
    // How far open the panel is: 0 hidden, about 0.24 minimised, 1 maximised.
    double progress() const { return (travel_ + shown_) / bodyWidth; }
    // Whether a release here maximises the panel (else it minimises).
    bool maximizesOnRelease() const { return travel_ > maximizeThreshold - shown_; }

private:
    // The part of the body on screen before the pull.
    double shown_;
    // The translation, capped where the body is fully out.
    double travel_;
};

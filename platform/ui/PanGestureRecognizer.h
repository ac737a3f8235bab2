#pragma once

#include "ui/GestureRecognizer.h"

namespace platform::ui {

// A continuous drag: begins once the finger has moved past a small threshold, changes
// with every move, ends when it lifts. Translation and velocity are measured in the
// coordinates of the view asked for.
class PanGestureRecognizer : public GestureRecognizer {
public:
    static constexpr double beginThreshold = 10;

    using GestureRecognizer::GestureRecognizer;

    graphics::Point translationInView(const View* view) const;
    void setTranslation(const graphics::Point& translation, const View* view);
    // Points per second, from the last movement of the finger.
    graphics::Point velocityInView(const View* view) const;

protected:
    void began(const Touch& touch) override;
    void moved(const Touch& touch) override;
    void ended(const Touch& touch) override;
    void resetGesture() override;
    // Whether a touch may start this pan at all (screen-edge pans look at where).
    virtual bool acceptsStart(const Touch& touch) const;

private:
    graphics::Point startInWindow_;
    graphics::Point lastInWindow_;
    graphics::Point previousInWindow_;
    double lastTime_ = 0;
    double previousTime_ = 0;
};

// A pan that starts at the left edge of the screen.
class ScreenEdgePanGestureRecognizer : public PanGestureRecognizer {
public:
    static constexpr double edgeWidth = 20;

    using PanGestureRecognizer::PanGestureRecognizer;

protected:
    bool acceptsStart(const Touch& touch) const override;
};

} // namespace platform::ui

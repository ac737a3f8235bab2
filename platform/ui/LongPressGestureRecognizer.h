#pragma once

#include "ui/GestureRecognizer.h"

#include <cstdint>

namespace platform::ui {

// A press held still for a while: begins after the minimum duration on the main run
// loop's clock, then changes as the finger moves and ends when it lifts. Moving too far
// before it begins makes it fail.
class LongPressGestureRecognizer : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;

    double minimumPressDuration() const { return minimumPressDuration_; }
    void setMinimumPressDuration(double seconds) { minimumPressDuration_ = seconds; }
    double allowableMovement() const { return allowableMovement_; }
    void setAllowableMovement(double points) { allowableMovement_ = points; }

protected:
    void began(const Touch& touch) override;
    void moved(const Touch& touch) override;
    void ended(const Touch& touch) override;
    void resetGesture() override;

private:
    double minimumPressDuration_ = 0.5;
    double allowableMovement_ = 10;
    graphics::Point start_;
    std::uint64_t pressNumber_ = 0;
};

} // namespace platform::ui

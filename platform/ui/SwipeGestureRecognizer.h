#pragma once

#include "ui/GestureRecognizer.h"

namespace platform::ui {

enum class SwipeDirection : unsigned { right = 1, left = 2, up = 4, down = 8 };

// A quick stroke in one direction: recognised once the finger has travelled far enough
// that way, mostly straight, soon enough after it came down.
class SwipeGestureRecognizer : public GestureRecognizer {
public:
    static constexpr double minimumDistance = 50;
    static constexpr double maximumDuration = 0.5;

    using GestureRecognizer::GestureRecognizer;

    SwipeDirection direction() const { return direction_; }
    void setDirection(SwipeDirection direction) { direction_ = direction; }

protected:
    void began(const Touch& touch) override;
    void moved(const Touch& touch) override;
    void ended(const Touch& touch) override;

private:
    SwipeDirection direction_ = SwipeDirection::right;
    graphics::Point start_;
    double startTime_ = 0;
};

} // namespace platform::ui

#pragma once

#include "ui/GestureRecognizer.h"

namespace platform::ui {

// A single tap: a touch that lifts near where it came down.
class TapGestureRecognizer : public GestureRecognizer {
public:
    static constexpr double allowableMovement = 10;

    using GestureRecognizer::GestureRecognizer;

protected:
    void began(const Touch& touch) override;
    void moved(const Touch& touch) override;
    void ended(const Touch& touch) override;

private:
    graphics::Point start_;
};

} // namespace platform::ui

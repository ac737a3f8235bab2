#pragma once

#include "ui/View.h"

// The device's spinning wheel of spokes, drawn at rest with the spokes fading round the
// circle, so a waiting message reads as work under way. Main thread only.
class VTActivityIndicatorView : public platform::ui::View {
public:
    static constexpr double side = 30;

    VTActivityIndicatorView();

    void draw(platform::graphics::DrawingContext& context) const override;
};

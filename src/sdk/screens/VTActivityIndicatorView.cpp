#include "sdk/screens/VTActivityIndicatorView.h"

#include "graphics/DrawingContext.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int spokes = 12;
constexpr double spokeWidth = 2.5;

} // namespace

VTActivityIndicatorView::VTActivityIndicatorView()
{
    setFrame(platform::graphics::makeRect(0, 0, side, side));
    setUserInteractionEnabled(false);
}

void VTActivityIndicatorView::draw(platform::graphics::DrawingContext& context) const
{
    View::draw(context);
    const auto middle = bounds().center();
    const double outer = std::min(bounds().width(), bounds().height()) / 2 - spokeWidth / 2;
    const double inner = outer / 2;
    for (int spoke = 0; spoke < spokes; ++spoke) {
        const double angle = 2 * std::numbers::pi * spoke / spokes - std::numbers::pi / 2;
        const double alpha = 0.25 + 0.75 * (spokes - spoke) / spokes;
        const platform::graphics::Point from{middle.x + inner * std::cos(angle), middle.y + inner * std::sin(angle)};
        const platform::graphics::Point to{middle.x + outer * std::cos(angle), middle.y + outer * std::sin(angle)};
        context.strokeLine(from, to, platform::graphics::Color::fromWhite(0.35, alpha), spokeWidth);
    }
}

#include "fields/ZKCheckboxDisplayView.h"

#include <algorithm>

using platform::graphics::Color;
using platform::graphics::Point;

ZKCheckboxDisplayView::ZKCheckboxDisplayView(std::weak_ptr<ZKElement> element)
    : ZKChoiceDisplayView(std::move(element))
{
    updateAppearance();
}

void ZKCheckboxDisplayView::draw(platform::graphics::DrawingContext& context) const
{
    View::draw(context);
    const auto box = markArea();
    const double side = box.width();
    const double line = std::max(1.0, side / 10);
    context.fill(box, Color::white());
    context.strokeInside(box, Color::darkGray(), line);
    if (!isChecked()) {
        return;
    }
    const Point start{box.minX() + side * 0.22, box.minY() + side * 0.52};
    const Point bend{box.minX() + side * 0.42, box.minY() + side * 0.72};
    const Point end{box.minX() + side * 0.78, box.minY() + side * 0.28};
    context.strokeLine(start, bend, Color::black(), line * 1.5);
    context.strokeLine(bend, end, Color::black(), line * 1.5);
}

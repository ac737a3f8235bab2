#include "fields/ZKRadioDisplayView.h"

#include <algorithm>

using platform::graphics::Color;

ZKRadioDisplayView::ZKRadioDisplayView(std::weak_ptr<ZKElement> element) : ZKChoiceDisplayView(std::move(element))
{
    updateAppearance();
}

void ZKRadioDisplayView::draw(platform::graphics::DrawingContext& context) const
{
    View::draw(context);
    const auto ring = markArea();
    const double line = std::max(1.0, ring.width() / 10);
    context.fillEllipse(ring, Color::darkGray());
    context.fillEllipse(ring.insetBy(line, line), Color::white());
    if (isChecked()) {
        const double dot = ring.width() * 0.25;
        context.fillEllipse(ring.insetBy(dot, dot), Color::black());
    }
}

#include "fields/ZKRadioDisplayView.h"

#include "model/ZKElement.h"

#include <algorithm>

using platform::graphics::Color;
using platform::graphics::makeRect;

ZKRadioDisplayView::ZKRadioDisplayView(std::weak_ptr<ZKElement> element) : element_(std::move(element))
{
    updateAppearance();
}

void ZKRadioDisplayView::updateAppearance()
{
    const auto element = element_.lock();
    checked_ = element && element->content() == checkedContent;
}

void ZKRadioDisplayView::draw(platform::graphics::DrawingContext& context) const
{
    View::draw(context);
    const auto& b = bounds();
    const double side = std::min(b.width(), b.height());
    const auto ring = makeRect(b.midX() - side / 2, b.midY() - side / 2, side, side);
    context.fillEllipse(ring, Color::darkGray());
    const double line = std::max(1.0, side / 10);
    context.fillEllipse(ring.insetBy(line, line), Color::white());
    if (checked_) {
        const double dot = side * 0.25;
        context.fillEllipse(ring.insetBy(dot, dot), Color::black());
    }
}

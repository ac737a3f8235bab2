#include "fields/ZKListDisplayView.h"

#include "model/ZKElement.h"

#include <algorithm>

using platform::graphics::Color;
using platform::graphics::Point;

ZKListDisplayView::ZKListDisplayView(std::weak_ptr<ZKElement> element, std::string placeholder)
    : element_(std::move(element)), placeholder_(std::move(placeholder))
{
    updateAppearance();
}

void ZKListDisplayView::updateAppearance()
{
    const auto element = element_.lock();
    showText(element ? element->content() : std::string(), placeholder_);
}

void ZKListDisplayView::layoutSubviews()
{
    ZKLabelDisplayView::layoutSubviews();
    auto frame = signingModeLabel()->frame();
    frame.size.width = std::max(0.0, frame.size.width - arrowWidth());
    signingModeLabel()->setFrame(frame);
}

void ZKListDisplayView::draw(platform::graphics::DrawingContext& context) const
{
    ZKLabelDisplayView::draw(context);
    const auto& b = bounds();
    const double half = arrowWidth() / 4;
    const Point tip{b.maxX() - arrowWidth() / 2, b.midY() + half / 2};
    context.strokeLine({tip.x - half, tip.y - half}, tip, Color::darkGray(), 1.5);
    context.strokeLine(tip, {tip.x + half, tip.y - half}, Color::darkGray(), 1.5);
}

double ZKListDisplayView::arrowWidth() const
{
    return std::min(bounds().height(), 20.0);
}

#include "fields/ZKLabelledElementView.h"

#include "model/ZKElement.h"

ZKLabelledElementView::ZKLabelledElementView(std::shared_ptr<ZKElement> element, bool multiline)
    : ZKElementView(std::move(element)), display_(std::make_shared<ZKLabelDisplayView>(multiline))
{
    setDisplayView(display_);
}

void ZKLabelledElementView::updateDisplay()
{
    display_->showText(element() ? element()->content() : std::string(), placeholderText());
}

std::string ZKLabelledElementView::placeholderText() const
{
    return element() ? element()->name() : std::string();
}

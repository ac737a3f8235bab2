#include "ui/LayoutConstraint.h"

#include "ui/View.h"

namespace platform::ui {

LayoutConstraint::LayoutConstraint(std::string identifier, double constant, const std::shared_ptr<View>& view)
    : identifier_(std::move(identifier))
    , constant_(constant)
    , view_(view)
{
}

void LayoutConstraint::setConstant(double constant)
{
    constant_ = constant;
    invalidate();
}

void LayoutConstraint::setActive(bool active)
{
    active_ = active;
    invalidate();
}

void LayoutConstraint::invalidate() const
{
    if (auto view = view_.lock()) {
        view->setNeedsLayout();
    }
}

} // namespace platform::ui

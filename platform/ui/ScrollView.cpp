#include "ui/ScrollView.h"

#include "ui/Animator.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

ScrollView::ScrollView() : pan_(std::make_shared<PanGestureRecognizer>())
{
    pan_->addAction([this](GestureRecognizer& recognizer) { handlePan(static_cast<PanGestureRecognizer&>(recognizer)); });
    addGestureRecognizer(pan_);
    setClipsToBounds(true);
}

ScrollView::ScrollView(const Rect& frame) : ScrollView()
{
    setFrame(frame);
}

void ScrollView::setContentOffset(const Point& offset, bool animated)
{
    // Only this view and what follows it are laid out, not the whole window.
    const auto apply = [this, offset] {
        setBounds({offset, bounds().size});
        setNeedsLayout();
        visibleAreaDidChange();
        layoutIfNeeded();
    };
    if (animated) {
        Animator::animate(animationDuration, apply);
    } else {
        apply();
    }
}

void ScrollView::setScrollEnabled(bool enabled)
{
    scrollEnabled_ = enabled;
    pan_->setEnabled(enabled);
}

void ScrollView::addVisibleAreaFollower(const std::shared_ptr<View>& view)
{
    const auto known = std::find_if(followers_.begin(), followers_.end(),
                                    [&](const std::weak_ptr<View>& follower) { return follower.lock() == view; });
    if (known == followers_.end()) {
        followers_.push_back(view);
    }
}

void ScrollView::layoutSubviews()
{
    visibleAreaDidChange();
}

void ScrollView::visibleAreaDidChange()
{
    std::erase_if(followers_, [this](const std::weak_ptr<View>& follower) {
        const auto view = follower.lock();
        if (!view || !view->isDescendantOf(*this)) {
            return true;
        }
        view->setNeedsLayout();
        return false;
    });
}

Point ScrollView::clampedOffset(const Point& offset) const
{
    const Size size = bounds().size;
    const double minX = -contentInset_.left;
    const double minY = -contentInset_.top;
    const double maxX = std::max(contentSize_.width + contentInset_.right - size.width, minX);
    const double maxY = std::max(contentSize_.height + contentInset_.bottom - size.height, minY);
    return {std::clamp(offset.x, minX, maxX), std::clamp(offset.y, minY, maxY)};
}

bool ScrollView::gestureRecognizerShouldBegin(GestureRecognizer& recognizer)
{
    if (&recognizer != pan_.get()) {
        return true;
    }
    const Point translation = pan_->translationInView(this);
    const bool sideways = std::abs(translation.x) > std::abs(translation.y);
    return !sideways || contentSize_.width > bounds().width();
}

void ScrollView::scrollRectToVisible(const Rect& rect, bool animated)
{
    const Rect visible = bounds();
    Point offset = visible.origin;
    if (rect.minY() < visible.minY()) {
        offset.y = rect.minY();
    } else if (rect.maxY() > visible.maxY()) {
        offset.y = std::min(rect.minY(), rect.maxY() - visible.height());
    }
    if (rect.minX() < visible.minX()) {
        offset.x = rect.minX();
    } else if (rect.maxX() > visible.maxX()) {
        offset.x = std::min(rect.minX(), rect.maxX() - visible.width());
    }
    const Point target = clampedOffset(offset);
    if (target != visible.origin) {
        setContentOffset(target, animated);
    }
}

void ScrollView::handlePan(PanGestureRecognizer& pan)
{
    if (pan.state() == GestureState::began) {
        panStartOffset_ = contentOffset();
        return;
    }
    if (pan.state() != GestureState::changed) {
        return;
    }
    const Point translation = pan.translationInView(this);
    const Point scrolled{panStartOffset_.x, panStartOffset_.y - translation.y};
    setContentOffset(clampedOffset(contentSize_.width > bounds().width()
                                       ? Point{panStartOffset_.x - translation.x, scrolled.y}
                                       : scrolled),
                     false);
}

} // namespace platform::ui

#include "ui/ScrollView.h"

#include "foundation/RunLoop.h"
#include "ui/Animator.h"

#include <algorithm>
#include <cmath>

namespace platform::ui {

namespace {

// The indicator stands this far from the view's edge and from the ends of its track.
constexpr double indicatorMargin = 3;
constexpr double indicatorMinimumLength = 36;
graphics::Color indicatorColor()
{
    return graphics::Color::fromRGBA(0, 0, 0, 0.35);
}

} // namespace

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
    if (!animated) {
        apply();
        return;
    }
    const auto weak = weak_from_this();
    if (weak.expired()) {
        // Outside shared ownership nothing could tell this view that the scroll ended.
        Animator::animate(animationDuration, apply);
        return;
    }
    ++animatedScrolls_;
    Animator::animate(animationDuration, apply, [weak](bool) {
        if (const auto view = std::static_pointer_cast<ScrollView>(weak.lock())) {
            --view->animatedScrolls_;
            view->scrollDidEnd();
        }
    });
}

void ScrollView::setContentSize(const Size& size)
{
    if (size == contentSize_) {
        return;
    }
    contentSize_ = size;
    keepOffsetWithinContent();
}

void ScrollView::setContentInset(const EdgeInsets& insets)
{
    if (insets == contentInset_) {
        return;
    }
    contentInset_ = insets;
    keepOffsetWithinContent();
}

void ScrollView::sizeDidChange()
{
    keepOffsetWithinContent();
}

bool ScrollView::isScrolling() const
{
    return pan_->isActive() || animatedScrolls_ > 0;
}

void ScrollView::keepOffsetWithinContent()
{
    if (isScrolling()) {
        offsetCheckPending_ = true;
        return;
    }
    offsetCheckPending_ = false;
    const Point within = clampedOffset(contentOffset());
    if (within == contentOffset()) {
        return;
    }
    // Laid out, with what follows it, in the pass that follows, as a change of size is.
    setBounds({within, bounds().size});
    setNeedsLayout();
}

void ScrollView::scrollDidEnd()
{
    if (offsetCheckPending_) {
        keepOffsetWithinContent();
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

void ScrollView::flashScrollIndicators()
{
    const double extent = contentSize_.height + contentInset_.top + contentInset_.bottom;
    if (extent <= bounds().height()) {
        return;
    }
    indicatorShown_ = true;
    const unsigned flash = ++indicatorFlashes_;
    RunLoop::main().dispatchAfter(indicatorShowDuration, [weak = weak_from_this(), flash] {
        const auto view = std::static_pointer_cast<ScrollView>(weak.lock());
        if (view && view->indicatorFlashes_ == flash) {
            view->indicatorShown_ = false;
        }
    });
}

std::optional<Rect> ScrollView::verticalScrollIndicatorFrame() const
{
    const Rect visible = bounds();
    const double extent = contentSize_.height + contentInset_.top + contentInset_.bottom;
    const double track = visible.height() - indicatorInsets_.top - indicatorInsets_.bottom - 2 * indicatorMargin;
    if (!indicatorShown_ || extent <= visible.height() || track <= 0) {
        return std::nullopt;
    }
    const double length = std::min(track, std::max(indicatorMinimumLength, track * visible.height() / extent));
    const double travelled = std::clamp((visible.minY() + contentInset_.top) / (extent - visible.height()), 0.0, 1.0);
    return graphics::makeRect(visible.maxX() - indicatorInsets_.right - indicatorMargin - indicatorThickness,
                              visible.minY() + indicatorInsets_.top + indicatorMargin + travelled * (track - length),
                              indicatorThickness, length);
}

void ScrollView::drawOverSubviews(graphics::DrawingContext& context) const
{
    if (const auto indicator = verticalScrollIndicatorFrame()) {
        context.fill(*indicator, indicatorColor(), indicatorThickness / 2);
    }
}

void ScrollView::handlePan(PanGestureRecognizer& pan)
{
    if (pan.state() == GestureState::began) {
        panStartOffset_ = contentOffset();
        return;
    }
    if (pan.state() != GestureState::changed) {
        scrollDidEnd();
        return;
    }
    flashScrollIndicators();
    const Point translation = pan.translationInView(this);
    const Point scrolled{panStartOffset_.x, panStartOffset_.y - translation.y};
    setContentOffset(clampedOffset(contentSize_.width > bounds().width()
                                       ? Point{panStartOffset_.x - translation.x, scrolled.y}
                                       : scrolled),
                     false);
}

} // namespace platform::ui

#pragma once

#include "ui/PanGestureRecognizer.h"
#include "ui/View.h"

#include <optional>

namespace platform::ui {

// A view whose content is larger than itself: the content offset is the bounds origin.
// A pan scrolls it while scrolling is enabled, kept within the content and its insets.
// When its size, its content size or its insets change, it moves the offset back to the
// nearest one that shows content; a change during a drag or an animated scroll waits for
// it to end. An offset set on purpose is taken as it is.
// Views inside it whose content depends on how much of them it shows (a table as tall as
// its rows) follow it: they are marked for layout whenever what it shows changes.
// While content taller than the view scrolls, and for a moment after, a thin vertical
// indicator at its right edge shows where the visible part lies in the whole.
class ScrollView : public View {
public:
    static constexpr double animationDuration = 0.3;
    // How long the indicator stays after a flash or the last scrolling move.
    static constexpr double indicatorShowDuration = 1.2;
    static constexpr double indicatorThickness = 3;

    ScrollView();
    explicit ScrollView(const Rect& frame);

    Point contentOffset() const { return bounds().origin; }
    void setContentOffset(const Point& offset, bool animated = false);
    const Size& contentSize() const { return contentSize_; }
    void setContentSize(const Size& size);
    const EdgeInsets& contentInset() const { return contentInset_; }
    void setContentInset(const EdgeInsets& insets);
    const EdgeInsets& scrollIndicatorInsets() const { return indicatorInsets_; }
    void setScrollIndicatorInsets(const EdgeInsets& insets) { indicatorInsets_ = insets; }
    bool isScrollEnabled() const { return scrollEnabled_; }
    void setScrollEnabled(bool enabled);
    const std::shared_ptr<PanGestureRecognizer>& panGestureRecognizer() const { return pan_; }

    // A mostly sideways pan does not scroll content that is no wider than the view, so
    // swipes on rows inside it still work.
    bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) override;

    // Scrolls the least needed to show `rect` (content coordinates), within the content.
    void scrollRectToVisible(const Rect& rect, bool animated);
    // The offset kept within the content size and the insets.
    Point clampedOffset(const Point& offset) const;

    // Shows the indicator for a moment when the content is taller than the view, so that
    // a list cut at the bottom reads as one that scrolls; otherwise does nothing.
    void flashScrollIndicators();
    // Where the indicator is drawn, in content coordinates, while it shows.
    std::optional<Rect> verticalScrollIndicatorFrame() const;
    void drawOverSubviews(graphics::DrawingContext& context) const override;

    // Idempotent; a follower is let go once it is no longer inside this view.
    void addVisibleAreaFollower(const std::shared_ptr<View>& view);
    void layoutSubviews() override;

protected:
    // Marks the followers for layout.
    void visibleAreaDidChange();
    void sizeDidChange() override;

private:
    void handlePan(PanGestureRecognizer& pan);
    bool isScrolling() const;
    void keepOffsetWithinContent();
    void scrollDidEnd();

    Size contentSize_;
    EdgeInsets contentInset_;
    EdgeInsets indicatorInsets_;
    bool scrollEnabled_ = true;
    bool indicatorShown_ = false;
    // Counts flashes, so only the last one's end hides the indicator.
    unsigned indicatorFlashes_ = 0;
    std::shared_ptr<PanGestureRecognizer> pan_;
    Point panStartOffset_;
    unsigned animatedScrolls_ = 0;
    // The content changed under a drag or an animated scroll, to be caught up at its end.
    bool offsetCheckPending_ = false;
    std::vector<std::weak_ptr<View>> followers_;
};

} // namespace platform::ui

#pragma once

#include "ui/Label.h"
#include "ui/TableViewCell.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {
struct Notification;
}

// A row of the designer's side panel that follows the panel's size. Expanded (glyph,
// text and name shown) while the panel is maximised; shrunk to the compact glyph or
// initials of the panel's icon column while it is minimised or hidden; in between while
// the edge pan moves the panel, where the compact parts fade 1.7 times as fast as the
// full ones come. From waking until it goes the row follows the panel's three
// notifications. Main thread only.
class ZKPanelRowCell : public platform::ui::TableViewCell {
public:
    using Completion = std::function<void()>;
    // How long a size change takes when its notification does not say.
    static constexpr double defaultAnimationDuration = 0.25;
    static constexpr double compactFadeFactor = 1.7;

    using TableViewCell::TableViewCell;
    ~ZKPanelRowCell() override;

    void awakeFromNib() override;

    // The look at once.
    void switchToShrinkeddMode();
    void switchToExpandedMode();
    void animateShrinkWithDurationAndCompletionHandler(double duration, Completion completion);
    void animateExpandWithDurationAndCompletionHandler(double duration, Completion completion);
    // The look of the panel `progress` of the way open (0 hidden, 1 maximised).
    void applyTransitionProgress(double progress);

protected:
    enum class LookPart {
        // Shown when expanded, coming in with the pan.
        full,
        // Shown when shrunk, in the icon column, fading out with the pan.
        compact,
        // Row 0's arrow: shown when expanded, at most 0.7 during the pan.
        arrow,
    };
    struct LookView {
        platform::ui::View* view;
        LookPart part;
    };
    // The views whose alpha makes the row's look.
    virtual std::vector<LookView> lookViews() const = 0;

    // Where a row's parts go in an area of the panel's width: a glyph at the left, a
    // text after it, and the icon column at the right, the part left on screen while the
    // panel is minimised.
    static platform::graphics::Rect glyphFrame(const platform::graphics::Rect& area);
    static platform::graphics::Rect textFrame(const platform::graphics::Rect& area);
    static platform::graphics::Rect iconColumnFrame(const platform::graphics::Rect& area);
    // A glyph label in the panel's glyph colour unless another is given.
    static std::shared_ptr<platform::ui::Label> makeGlyphLabel(double size,
                                                               std::optional<platform::graphics::Color> color = {});
    static std::shared_ptr<platform::ui::Label> makeTextLabel();

private:
    struct Alphas {
        double full;
        double compact;
        double arrow;
    };
    void applyAlphas(const Alphas& alphas) const;
    void animateTo(const Alphas& alphas, double duration, Completion completion);
    void follow(const char* name, void (ZKPanelRowCell::*handler)(const platform::Notification&));
    void followMinimize(const platform::Notification& notification);
    void followMaximize(const platform::Notification& notification);
    void followTransition(const platform::Notification& notification);
};

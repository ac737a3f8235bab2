#pragma once

#include "composer/screens/VLTInteractiveTableViewDelegate.h"
#include "ui/GestureRecognizer.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/LongPressGestureRecognizer.h"
#include "ui/TableView.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The table of the composer's document and recipient lists. A long press lifts an image
// of a row that then follows the finger up and down, and the row moves to whichever row
// the finger reaches; every move is told to the delegate before the table moves its row.
// Locked sections and rows, named by the delegate, can neither be lifted nor passed over
// as a drop place. It can show an empty-table prompt (an image over a text), and a table
// without rows lets touches through to what lies behind it.
//
// Main thread only: every entry point is a touch callback, an animation or a call from
// the owning screen.
class VLTInteractiveTableView : public platform::ui::TableView, public platform::ui::GestureRecognizerDelegate {
public:
    static constexpr double kLiftDuration = 0.25;
    static constexpr double kLiftScale = 1.05;
    static constexpr double kLiftAlpha = 0.95;
    static constexpr double kPromptDuration = 0.3;
    static constexpr double kPromptHiddenScale = 0.8;

    VLTInteractiveTableView();
    VLTInteractiveTableView(const platform::ui::Rect& frame, platform::ui::TableViewStyle style);

    std::shared_ptr<VLTInteractiveTableViewDelegate> interactiveDelegate() const { return interactiveDelegate_.lock(); }
    void setInteractiveDelegate(const std::shared_ptr<VLTInteractiveTableViewDelegate>& delegate)
    {
        interactiveDelegate_ = delegate;
    }

    // Reads the locks from the delegate (only here) and makes sure one long-press
    // recogniser drives drags.
    void turnOnDragToOrder();
    // Clears the locks and removes the long-press recogniser; a drag under way ends with
    // the row where it now stands.
    void turnOffDragToOrder();

    // Lays out the prompt `distanceFromTop` points below the table's top, hidden.
    void setupEmptyTablePromptComponents(const platform::graphics::ImagePtr& image, const std::string& text,
                                         double distanceFromTop);
    void manageEmptyTablePrompt(bool visible, bool animated);

    void handleLongPressGesture(platform::ui::GestureRecognizer& gesture);
    bool shouldApplyInteractionOnCell(const platform::ui::IndexPath& indexPath) const;

    // Every recogniser of the table, and the long press it is the delegate of: none may
    // begin past the last row, and a long press may not begin on a locked row.
    bool gestureRecognizerShouldBegin(platform::ui::GestureRecognizer& recognizer) override;
    std::shared_ptr<platform::ui::View> hitTest(const platform::ui::Point& point) override;
    // A turn of the device lays the rows out at a new width; the lifted picture is taken
    // again so that it still lies over its row, at the row's width.
    void layoutSubviews() override;

    const std::vector<int>& lockedSections() const { return lockedSections_; }
    const std::vector<platform::ui::IndexPath>& lockedCellPaths() const { return lockedCellPaths_; }
    const std::shared_ptr<platform::ui::ImageView>& emptyTablePromptIcon() const { return emptyTablePromptIcon_; }
    const std::shared_ptr<platform::ui::Label>& emptyTablePromptLabel() const { return emptyTablePromptLabel_; }
    const std::shared_ptr<platform::ui::LongPressGestureRecognizer>& cellReorderLongPressGesture() const
    {
        return cellReorderLongPressGesture_;
    }
    // During a drag: where the lifted row now stands, and its floating image.
    const std::optional<platform::ui::IndexPath>& cellInitialPath() const { return cellInitialPath_; }
    const std::shared_ptr<platform::ui::ImageView>& cellSnapshot() const { return cellSnapshot_; }

protected:
    // The row under the lifted image stays hidden whichever cell shows it; a cell that
    // leaves the screen is shown again before it is reused.
    void willDisplayCell(const platform::ui::TableViewCellPtr& cell, const platform::ui::IndexPath& indexPath) override;
    void didEndDisplayingCell(const platform::ui::TableViewCellPtr& cell) override;

private:
    void liftRow(const platform::ui::Point& location, const std::optional<platform::ui::IndexPath>& row);
    void followFinger(const platform::ui::Point& location, const std::optional<platform::ui::IndexPath>& row);
    void dropRow();
    void refitSnapshot();
    static platform::graphics::ImagePtr pictureOfRow(platform::ui::TableViewCell& cell);
    // The lift's scale, about the row's leading edge so that what the row shows stays
    // where the other rows show it.
    static platform::graphics::AffineTransform liftTransform(double width);
    // Shows the row again (when it is still on screen) and forgets the drag.
    void finishDrag(const platform::ui::TableViewCellPtr& cell);
    std::vector<std::shared_ptr<platform::ui::View>> promptViews() const;
    int totalRowCount() const;

    std::vector<int> lockedSections_;
    std::vector<platform::ui::IndexPath> lockedCellPaths_;
    std::shared_ptr<platform::ui::ImageView> emptyTablePromptIcon_ = std::make_shared<platform::ui::ImageView>();
    std::shared_ptr<platform::ui::Label> emptyTablePromptLabel_ = std::make_shared<platform::ui::Label>();
    std::shared_ptr<platform::ui::LongPressGestureRecognizer> cellReorderLongPressGesture_;
    std::optional<platform::ui::IndexPath> cellInitialPath_;
    std::shared_ptr<platform::ui::ImageView> cellSnapshot_;
    // The cell hidden under the image.
    std::weak_ptr<platform::ui::TableViewCell> liftedCell_;
    std::weak_ptr<VLTInteractiveTableViewDelegate> interactiveDelegate_;
};

#pragma once

#include "composer/screens/CreateTransactionDocumentCellDelegate.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/LayoutConstraint.h"
#include "ui/SwipeGestureRecognizer.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// One document of the document list: its name on a front view that a left swipe slides
// 70 points aside to uncover a trash button on the back view, and a right swipe (or a tap,
// or the edit button) slides back. Where the front view stands is measured by the x of its
// centre against the back view's centre; `backViewShowing` changes only when a slide has
// finished, so a tap during the slide acts on the state before it. The row keeps no
// document data beyond the path to preview and leaves every decision to its delegate.
//
// Main thread only: driven by touches, its list and the orientation notification.
class CreateTransactionDocumentCell : public platform::ui::TableViewCell {
public:
    static constexpr const char* identifier = "createTransactionDocumentCell";
    static constexpr const char* dragGlyph = "=";
    static constexpr const char* trashGlyph = "T";

    explicit CreateTransactionDocumentCell(const std::string& reuseIdentifier = identifier);
    ~CreateTransactionDocumentCell() override;

    std::shared_ptr<CreateTransactionDocumentCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionDocumentCellDelegate>& delegate) { delegate_ = delegate; }

    void awakeFromNib() override;
    void layoutSubviews() override;

    void setupGestures();
    void handleSwipeGesture(platform::ui::GestureRecognizer& gesture);
    // Both slide for `animationDuration` when animated, else move and set the flag at once.
    void showBackView(bool animated);
    void hideBackView(bool animated);
    void handleOrientationChange();

    // Actions.
    void trashButtonTapped(platform::ui::Control& sender);
    void editButtonTapped(platform::ui::Control& sender);
    void cellSelectionButtonTapped(platform::ui::Control& sender);

    // Fields.
    double trashButtonWidth = 70.0;
    // The edit button takes no room: the reveal uncovers the trash button alone.
    double editButtonWidth = 0.0;
    double animationDuration = 0.2;
    std::optional<std::string> filePath;
    bool backViewShowing = false;
    std::shared_ptr<platform::ui::SwipeGestureRecognizer> leftSwipeGesture;
    std::shared_ptr<platform::ui::SwipeGestureRecognizer> rightSwipeGesture;

    // Outlets.
    std::weak_ptr<platform::ui::View> backView;
    std::weak_ptr<platform::ui::View> frontView;
    std::weak_ptr<platform::ui::Label> documentNameabel;
    std::weak_ptr<platform::ui::Label> dragLabel;
    std::weak_ptr<platform::ui::LayoutConstraint> dragButtonTrailingConstraintLandscape;
    std::weak_ptr<platform::ui::LayoutConstraint> dragButtonTrailingConstraintPortrait;
    std::weak_ptr<platform::ui::LayoutConstraint> dragButtonTrailingConstraintIPad;
    // Not outlets of the layout, but what a person taps.
    std::weak_ptr<platform::ui::Button> trashButton;
    std::weak_ptr<platform::ui::Button> editButton;
    std::weak_ptr<platform::ui::Button> cellSelectionButton;

private:
    void makeBackView();
    void makeFrontView();
    void wireActions();
    void slideFrontViewTo(double centerX, bool animated, bool showing);
    double dragLabelTrailing() const;

    std::weak_ptr<CreateTransactionDocumentCellDelegate> delegate_;
    // The layout's constraints belong to the row; the outlets above only point at them.
    std::vector<std::shared_ptr<platform::ui::LayoutConstraint>> constraints_;
    std::shared_ptr<platform::ui::View> divider_;
};

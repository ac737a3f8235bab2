#pragma once

#include "composer/screens/CreateTransactionRecipientCellDelegate.h"
#include "foundation/Dictionary.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/LayoutConstraint.h"
#include "ui/SwipeGestureRecognizer.h"
#include "ui/TableViewCell.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// One recipient of the recipient list: its number, kind glyph, name and e-mail line on a
// front layer with a drag handle, over a back layer with a trash button. A swipe to the
// left slides the front layer aside to uncover the trash button, a swipe to the right or
// a tap covers it again. With ordered signing off the number and the drag handle are
// pushed out past the row's edges.
//
// The layout is read from named constraints: one set for phones in portrait, one for
// phones in landscape and one for tablets; the row always sets all of them and lays out
// with the set the screen puts in force. Main thread only.
class CreateTransactionRecipientCell : public platform::ui::TableViewCell {
public:
    static constexpr const char* cellIdentifier = "createTransactionRecipientCell";

    static constexpr double trashButtonWidth = 70.0;
    static constexpr double signerIndexLabelWidth = 30.0;
    static constexpr double dragButtonLabelWidth = 60.0;
    static constexpr double signerIndexLabelWidthIPad = 30.0;
    static constexpr double dragButtonLabelWidthIPad = 42.0;
    static constexpr double animationDuration = 0.2;
    // Where the number and the drag handle stand while ordered signing is on.
    static constexpr double signerIndexLeadingOnPhone = 23;
    static constexpr double signerIndexLeadingOnTablet = 20;
    static constexpr double dragButtonTrailingOnTablet = 27;

    explicit CreateTransactionRecipientCell(const std::string& reuseIdentifier = cellIdentifier);
    ~CreateTransactionRecipientCell() override;

    std::shared_ptr<CreateTransactionRecipientCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionRecipientCellDelegate>& delegate) { delegate_ = delegate; }

    // Shows the recipient of a signer row dictionary at the row index.
    void fillWithSignerRow(const Dictionary& row, int rowIndex);

    void showBackMenu(bool animated);
    void hideBackMenu(bool animated);
    void updateCellForOrderedSigning(bool orderedSigning, bool animated);

    // Notification handlers.
    void enableOrderedSigning();
    void disableOrderedSigning();
    void handleOrientationChange();

    // Actions.
    void handleSwipeGesture(platform::ui::GestureRecognizer& gesture);
    void trashButtonTapped(platform::ui::Control& sender);
    void cellButtonTapped(platform::ui::Control& sender);

    void awakeFromNib() override;
    void layoutSubviews() override;

    bool backMenuShowing = false;
    std::shared_ptr<platform::ui::SwipeGestureRecognizer> leftSwipeGesture;
    std::shared_ptr<platform::ui::SwipeGestureRecognizer> rightSwipeGesture;

    // Outlets.
    std::weak_ptr<platform::ui::View> backView;
    std::weak_ptr<platform::ui::View> frontView;
    std::weak_ptr<platform::ui::Label> signerIndexLabel;
    std::weak_ptr<platform::ui::Label> fullNameLabel;
    std::weak_ptr<platform::ui::Label> emailLabel;
    std::weak_ptr<platform::ui::Label> signerIconLabel;
    std::weak_ptr<platform::ui::Button> trashButton;
    // Covers the front layer: a tap on the row.
    std::weak_ptr<platform::ui::Button> cellButton;
    std::weak_ptr<platform::ui::View> dragButton;
    std::weak_ptr<platform::ui::LayoutConstraint> frontViewCenterXConstraintPortrait;
    std::weak_ptr<platform::ui::LayoutConstraint> dragButtonTrailingConstraintPortrait;
    std::weak_ptr<platform::ui::LayoutConstraint> frontViewCenterXConstraintLandscape;
    std::weak_ptr<platform::ui::LayoutConstraint> dragButtonTrailingConstraintLandscape;
    std::weak_ptr<platform::ui::LayoutConstraint> signerIndexLeadingConstraintiPhone;
    std::weak_ptr<platform::ui::LayoutConstraint> frontViewCenterXConstraintIPad;
    std::weak_ptr<platform::ui::LayoutConstraint> signerIndexLeadingConstraintIPad;
    std::weak_ptr<platform::ui::LayoutConstraint> dragButtonTrailingConstraintIPad;

private:
    // The constraints the screen puts in force, and the drag handle's width with them.
    struct ConstraintsInForce {
        std::shared_ptr<platform::ui::LayoutConstraint> frontViewCenterX;
        std::shared_ptr<platform::ui::LayoutConstraint> signerIndexLeading;
        std::shared_ptr<platform::ui::LayoutConstraint> dragButtonTrailing;
        double dragButtonWidth;
    };

    void makeFrontView();
    void makeBackView();
    std::shared_ptr<platform::ui::LayoutConstraint> makeConstraint(const char* identifier, double constant);
    ConstraintsInForce constraintsInForce() const;
    void layoutFrontView(const ConstraintsInForce& constraints);

    using Change = std::function<void(CreateTransactionRecipientCell&)>;

    void setBackMenuConstants(bool showing);
    void placeBackMenu(bool showing);
    void moveBackMenu(bool showing, bool animated);
    void setOrderedSigningConstants(bool orderedSigning);
    // `during` inside the row's animation, `after` when it completes (finished or not).
    void animate(const Change& during, const Change& after);
    void layoutNow();

    std::weak_ptr<CreateTransactionRecipientCellDelegate> delegate_;
    // The layout owns its constraints; the outlets above only point at them.
    std::vector<std::shared_ptr<platform::ui::LayoutConstraint>> constraints_;
    std::shared_ptr<platform::ui::View> divider_;
};

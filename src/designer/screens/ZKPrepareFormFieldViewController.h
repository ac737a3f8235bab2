#pragma once

#include "ceremony/screens/ZKPrepareFormFieldDelegate.h"
#include "ceremony/screens/ZKPrepareFormFieldPanel.h"
#include "designer/screens/ZKCurrentSignerTableViewCellDelegate.h"
#include "designer/screens/ZKSignatureFieldsTableViewCellDelegate.h"
#include "designer/screens/ZKSignersTableViewCellDelegate.h"
#include "graphics/Image.h"
#include "ui/Button.h"
#include "ui/GestureRecognizer.h"
#include "ui/Label.h"
#include "ui/LayoutConstraint.h"
#include "ui/PanGestureRecognizer.h"
#include "ui/SwipeGestureRecognizer.h"
#include "ui/TableView.h"
#include "ui/ViewController.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {
struct Notification;
}

class ZKBorderedView;
class ZKCurrentSignerTableViewCell;
class ZKParticipant;
class ZKPrepareFormField;

// The designer's side panel, the scene "ZKPrepareFormFieldViewController" that the hub
// embeds over its pages. It slides in from the left edge: hidden (only the reveal tab,
// if that), minimised (its 61-point icon column) or maximised (257 points). Its table
// has three rows: the current signer, the other signers (opened from row 0) and the
// field palette. On a draft it is the form designer: picking a signer makes the viewer
// place new fields for that signer, and palette items are tapped onto the page.
// Otherwise it is in signer-only mode: the palette row is gone and picking a role asks
// the ceremony to move to it. Its rows follow its size through three notifications
// (ZKFieldsTableNotifications).
//
// Which transaction is a draft: the transaction manager's current one. Main thread only;
// every delay is a one-shot on the main run loop and does nothing once the panel is gone.
class ZKPrepareFormFieldViewController : public platform::ui::ViewController,
                                         public ZKPrepareFormFieldPanel,
                                         public platform::ui::TableViewDataSource,
                                         public platform::ui::TableViewDelegate,
                                         public platform::ui::GestureRecognizerDelegate,
                                         public ZKCurrentSignerTableViewCellDelegate,
                                         public ZKSignersTableViewCellDelegate,
                                         public ZKSignatureFieldsTableViewCellDelegate {
public:
    // tableSizeState.
    static constexpr int hidden = 0;
    static constexpr int minimized = 1;
    static constexpr int maximized = 2;
    // tableType.
    static constexpr int signersOpen = 0;
    static constexpr int signersClosed = 1;

    static constexpr double minimizedBodyConstant = -196;
    static constexpr double disabledBodyConstant = -357;
    static constexpr double revealTabShownConstant = 0;
    static constexpr double revealTabTuckedConstant = -35;
    static constexpr double sizeAnimationDuration = 0.2;
    static constexpr double sizeNotificationDelay = 0.01;
    // What the size notifications tell the rows.
    static constexpr double rowAnimationDuration = 0.19;
    static constexpr double signerOnlyEnableDelay = 0.25;
    static constexpr double designerMinimizeDelay = 0.4;
    static constexpr double rowHeight = 45;

    ZKPrepareFormFieldViewController();
    ~ZKPrepareFormFieldViewController() override;

    // What the hub sets before the view loads.
    std::shared_ptr<ZKPrepareFormFieldDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<ZKPrepareFormFieldDelegate>& delegate) override { delegate_ = delegate; }
    bool isSignerOnlyMode() const { return isSignerOnlyMode_; }
    // Reloads the table and the title once the view is there.
    void setIsSignerOnlyMode(bool signerOnly) override;
    const std::vector<std::shared_ptr<ZKParticipant>>& participants() const { return participants_; }
    void setParticipants(const std::vector<std::shared_ptr<ZKParticipant>>& participants) override
    {
        participants_ = participants;
    }

    const std::vector<std::shared_ptr<ZKPrepareFormField>>& formFields() const { return formFields_; }
    // Builds the palette from the designer settings in force.
    void setupFormFieldsArray();
    std::shared_ptr<ZKParticipant> currentSigner1() const { return currentSigner1_; }
    std::shared_ptr<ZKPrepareFormField> draggedField() const { return draggedField_; }
    int tableSizeState() const { return tableSizeState_; }
    int stateBeforeDismissingTheView() const { return stateBeforeDismissingTheView_; }
    int tableType() const { return tableType_; }
    bool panelDisabled() const { return panelDisabled_; }

    // Whether palette items other than the signature may be placed.
    bool shouldEnableNonPrimaryFormFields() const { return shouldEnableNonPrimaryFormFields_; }
    void setShouldEnableNonPrimaryFormFields(bool enable) override;
    void disableFormFields(bool disable) override;

    // Makes participants()[index] the current signer and reloads the table; an index
    // out of range changes nothing.
    void setCurrentSignerIndex(int index);
    // Does what a tap on the participant at `index` does, then sets
    // shouldEnableNonPrimaryFormFields; false (and nothing done) for an index out of range.
    bool switchToParticipantAtIndexEnableFormFields(long index, bool enable);

    // Size changes; each handler (which may be empty) runs at the end.
    void minimizePanelWithCompletionHandler(CompletionHandler handler) override;
    void maximizePanelWithCompletionHandler(CompletionHandler handler);
    void hidePanelWithCompletionHandler(CompletionHandler handler);
    void showIndicatorWithCompletionHandler(CompletionHandler handler);
    void hideIndicatorWithCompletionHandler(CompletionHandler handler);
    // Hides the panel while the hub shows something else; enablePanel brings it back in
    // the size it had.
    void disablePanelAnimated(bool animated) override;
    void enablePanel();
    void managePanelCondition();
    void handleOrientationChange();

    // Opening and closing row 1.
    void expandSignersSection();
    void minimizeSignersSection();

    std::shared_ptr<platform::ui::TableView> fieldsTableView() const override { return fieldsTableView_.lock(); }
    void updateCurrentSignerCell(ZKCurrentSignerTableViewCell& cell);
    void observerRoleSwitch(const platform::Notification& notification);

    // Actions.
    void menuButtonTapped(platform::ui::Control& sender);
    void revealButtonTapped(platform::ui::Control& sender);
    void handleSwipeGesture(platform::ui::GestureRecognizer& gesture);
    void handleEdgePanGesture(platform::ui::GestureRecognizer& gesture);
    // The drag of a palette item onto the page.
    void handleDragPanGesture(platform::ui::GestureRecognizer& gesture);
    bool gestureRecognizerShouldBegin(platform::ui::GestureRecognizer& recognizer) override;

    // The rows.
    void maximizingSignersRequested() override;
    void minimizingSignersRequested() override;
    void signerWasTapped(const std::string& uid) override;
    void signatureFieldWasTappedAtIndex(long index) override;

    // The table.
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    // What lies under a point of the root view: section 0 the current signer (item 0),
    // section 1 the other signers and section 2 the palette (item the inner row, -1 off
    // the inner rows); section and item -1 off the table's rows.
    platform::ui::IndexPath itemForTouchWithLocation(const platform::graphics::Point& location);
    // Crosses the guides at the finger (check boxes and radio buttons) or at the floating
    // field's middle; `location` is the finger in the field.
    void updateGridPositionUsingLocationInField(const platform::graphics::Point& location);
    void showGridsAnimatedCompletion(bool animated, CompletionHandler completion);
    void hideGridsAnimatedCompletion(bool animated, CompletionHandler completion);

    // The place of a field type's view among the field views: "SIGNATURE" 0, "TextBox" 2,
    // "CheckBox" 3, "Radio" 4, "TextArea" 5, "List" 6, anything else 0.
    static int indexOfViewForType(const std::string& type);
    // The view's bounds drawn at the main screen's scale, not opaque.
    static platform::graphics::ImagePtr snapshotFromView(const platform::ui::View& view);

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    platform::ui::StatusBarStyle preferredStatusBarStyle() const override
    {
        return platform::ui::StatusBarStyle::lightContent;
    }
    platform::ui::OrientationMask supportedInterfaceOrientations() const override
    {
        return platform::ui::OrientationMask::all;
    }

    // Recognisers.
    std::shared_ptr<platform::ui::SwipeGestureRecognizer> leftSwipeGesture;
    std::shared_ptr<platform::ui::SwipeGestureRecognizer> rightSwipeGesture;
    std::shared_ptr<platform::ui::PanGestureRecognizer> panGesture;
    std::shared_ptr<platform::ui::ScreenEdgePanGestureRecognizer> leftEdgePanGesture;
    std::shared_ptr<platform::ui::PanGestureRecognizer> panelIndicatorPanGesture;

    // Outlets.
    std::weak_ptr<platform::ui::View> fieldsView;
    std::weak_ptr<platform::ui::Label> signatureFieldsLabel;
    std::weak_ptr<platform::ui::View> tableRevealView;
    std::weak_ptr<platform::ui::Label> tableRevealIcon;
    std::weak_ptr<platform::ui::Button> rightSideMenuButton;
    std::weak_ptr<platform::ui::Label> rightSideMenuIcon;
    std::weak_ptr<platform::ui::View> draggedFieldView;
    std::weak_ptr<platform::ui::Label> leftFieldIcon;
    std::weak_ptr<platform::ui::Label> rightFieldIcon;
    std::weak_ptr<ZKBorderedView> horizontalGridView;
    std::weak_ptr<ZKBorderedView> verticalGridView;
    std::weak_ptr<platform::ui::LayoutConstraint> fieldsViewLeftConstraint;
    std::weak_ptr<platform::ui::LayoutConstraint> tableRevealViewLeftconstraint;
    std::weak_ptr<platform::ui::LayoutConstraint> tableRevealViewCenterY;

private:
    std::shared_ptr<ZKPrepareFormFieldViewController> self();
    // Runs the action on this panel after the delay, unless the panel is gone by then.
    void afterDelay(double seconds, std::function<void(ZKPrepareFormFieldViewController&)> action);
    bool isDraft() const;
    std::shared_ptr<ZKParticipant> currentParticipant() const;
    void makeBody(platform::ui::View& root);
    void makeRevealTab(platform::ui::View& root);
    void makeDragViews(platform::ui::View& root);
    void setupGestures();
    void setupUI();
    void layoutBody(const platform::graphics::Rect& bounds);
    void layoutDragViews(const platform::graphics::Rect& bounds);
    void updateTitle();
    void reloadSignerRows();
    void animateRowHeights();
    // Reloads the table and fits the body to its rows.
    void reloadRows();
    std::shared_ptr<ZKCurrentSignerTableViewCell> currentSignerCell() const;
    // Row 0's arrow and flag, when it is on screen.
    void showSignersOpenOnRowZero(bool open) const;
    void fillSignersCell(platform::ui::TableViewCell& cell);
    void fillSignatureFieldsCell(platform::ui::TableViewCell& cell);
    void hideDraggedFieldView();
    void beginDrag(platform::ui::PanGestureRecognizer& pan);
    void followFingerAfterTurn();
    void moveDrag(platform::ui::PanGestureRecognizer& pan);
    void endDrag(platform::ui::PanGestureRecognizer& pan);
    // Whether the dragged item is placed under the finger at its own small size.
    bool dragsSmallField() const;
    // The floating copy takes the size of what will land: the default field, or a check
    // box's or radio button's small square.
    void sizeDraggedFieldForItem();
    // The frame a release reports: the floating field's, or a small one at the finger.
    platform::graphics::Rect releasedFrame(const platform::graphics::Point& finger);
    std::vector<std::shared_ptr<ZKBorderedView>> gridViews() const;
    void fadeGrids(const std::vector<std::shared_ptr<ZKBorderedView>>& guides, double alpha, bool animated,
                   CompletionHandler completion);
    // Moves the body (and the tab) to the constants over the size animation with the
    // body's touches off, then runs `finished`.
    void slideBodyTo(double bodyConstant, std::optional<double> tabConstant, std::function<void()> finished);
    void placeAtOnce(double bodyConstant, double tabConstant);
    void postSizeNotificationLater(const char* name);
    // Whether the drag pan may begin; a mostly leftward pan tucks a minimised panel away.
    bool dragMayBegin(platform::ui::PanGestureRecognizer& pan);
    void reportLeftMenuToggle() const;

    std::weak_ptr<ZKPrepareFormFieldDelegate> delegate_;
    std::vector<std::shared_ptr<ZKParticipant>> participants_;
    std::vector<std::shared_ptr<ZKPrepareFormField>> formFields_;
    std::shared_ptr<ZKParticipant> currentSigner1_;
    std::shared_ptr<ZKPrepareFormField> draggedField_;
    int tableSizeState_ = maximized;
    int stateBeforeDismissingTheView_ = maximized;
    int tableType_ = signersClosed;
    bool panelDisabled_ = false;
    bool isSignerOnlyMode_ = false;
    bool shouldEnableNonPrimaryFormFields_ = false;
    // Between a drag's begin and its release; the delayed part of the begin is skipped
    // once the finger has already let go.
    bool dragInProgress_ = false;
    std::weak_ptr<platform::ui::TableView> fieldsTableView_;
    // The layout's constraints belong to the panel; the outlets only point at them.
    std::vector<std::shared_ptr<platform::ui::LayoutConstraint>> constraints_;
};

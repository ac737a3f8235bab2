#pragma once

#include "designer/screens/ZKRadioGroupTableViewCellDelegate.h"
#include "ui/Button.h"
#include "ui/IndexPath.h"
#include "ui/Label.h"
#include "ui/SwipeGestureRecognizer.h"
#include "ui/TableViewCell.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// One radio group of the group list: the name and the selection mark on a front view
// that a left swipe slides 70 points aside to uncover a delete button on the back view,
// and a right swipe slides back. The group "default" never opens. `backMenuShowing`
// changes only when a slide has finished.
//
// The row resolves where it stands in its table when its delete button is tapped, not
// when it was configured: rows above it may have gone since.
//
// Main thread only: driven by touches, its list and the orientation notification.
class ZKRadioGroupTableViewCell : public platform::ui::TableViewCell {
public:
    static constexpr const char* identifier = "ZKRadioGroupTableViewCell";
    static constexpr const char* selectionGlyph = "C";
    static constexpr double backMenuWidth = 70;
    static constexpr double animationDuration = 0.2;

    using Completion = std::function<void()>;

    explicit ZKRadioGroupTableViewCell(const std::string& reuseIdentifier = identifier);
    ~ZKRadioGroupTableViewCell() override;

    std::shared_ptr<ZKRadioGroupTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<ZKRadioGroupTableViewCellDelegate>& delegate) { delegate_ = delegate; }

    // Shows the group, with the mark when `selected`, at the row.
    void configure(const std::string& groupName, bool selected, const platform::ui::IndexPath& indexPath);

    void awakeFromNib() override;
    void layoutSubviews() override;

    void revealBackMenuAnimated(bool animated, const Completion& completion);
    void hideBackMenuAnimated(bool animated, const Completion& completion);
    void handleSwipeGesture(platform::ui::GestureRecognizer& gesture);
    void handleOrientationChange();
    void deleteButtonTapped(platform::ui::Control& sender);

    std::weak_ptr<platform::ui::View> frontView;
    std::weak_ptr<platform::ui::View> backView;
    std::weak_ptr<platform::ui::Label> groupNameLabel;
    std::weak_ptr<platform::ui::Label> selectionStatusLabel;
    std::weak_ptr<platform::ui::Button> deleteButton;
    std::shared_ptr<platform::ui::SwipeGestureRecognizer> leftSwipeGesture;
    std::shared_ptr<platform::ui::SwipeGestureRecognizer> rightSwipeGesture;
    bool backMenuShowing = false;
    // The row the cell was configured for.
    std::optional<platform::ui::IndexPath> cellIndexPath;

private:
    void makeBackView();
    void makeFrontView();
    void slideFrontViewTo(double x, bool animated, const Completion& completion);
    // The row the cell stands at in its table now; none once it has left the table.
    std::optional<platform::ui::IndexPath> currentIndexPath() const;

    std::weak_ptr<ZKRadioGroupTableViewCellDelegate> delegate_;
    std::shared_ptr<platform::ui::View> divider_;
};

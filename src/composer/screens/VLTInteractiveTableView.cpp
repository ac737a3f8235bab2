#include "composer/screens/VLTInteractiveTableView.h"

#include "ui/Animator.h"
#include "ui/Screen.h"

#include <algorithm>

using platform::graphics::AffineTransform;
using platform::graphics::makeRect;
using platform::ui::Animator;
using platform::ui::GestureRecognizer;
using platform::ui::GestureState;
using platform::ui::ImageView;
using platform::ui::IndexPath;
using platform::ui::Point;
using platform::ui::TableViewCell;
using platform::ui::TableViewCellPtr;
using platform::ui::View;

VLTInteractiveTableView::VLTInteractiveTableView() = default;

VLTInteractiveTableView::VLTInteractiveTableView(const platform::ui::Rect& frame, platform::ui::TableViewStyle style)
    : TableView(frame, style)
{
}

void VLTInteractiveTableView::turnOnDragToOrder()
{
    if (const auto owner = interactiveDelegate()) {
        if (auto sections = owner->sectionsForDisablingFeatures()) {
            lockedSections_ = std::move(*sections);
        }
        if (auto paths = owner->indexPathsForDisablingFeaturesWithTableView(*this)) {
            lockedCellPaths_ = std::move(*paths);
        }
    }
    // Owners turn reordering on again at every reload; a second recogniser would lift a
    // second image on the same press, so the one attached stays.
    if (cellReorderLongPressGesture_ && cellReorderLongPressGesture_->view() == this) {
        return;
    }
    const auto self = std::static_pointer_cast<VLTInteractiveTableView>(shared_from_this());
    auto press = std::make_shared<platform::ui::LongPressGestureRecognizer>();
    press->addTarget(self, [this](GestureRecognizer& gesture) { handleLongPressGesture(gesture); });
    press->setDelegate(self);
    addGestureRecognizer(press);
    cellReorderLongPressGesture_ = std::move(press);
}

void VLTInteractiveTableView::turnOffDragToOrder()
{
    lockedSections_.clear();
    lockedCellPaths_.clear();
    if (cellReorderLongPressGesture_) {
        removeGestureRecognizer(*cellReorderLongPressGesture_);
    }
    if (cellSnapshot_) {
        finishDrag(cellInitialPath_ ? cellForRow(*cellInitialPath_) : nullptr);
    }
}

void VLTInteractiveTableView::willDisplayCell(const TableViewCellPtr& cell, const IndexPath& indexPath)
{
    if (cellSnapshot_ && cellInitialPath_ == indexPath) {
        cell->setAlpha(0);
        cell->setHidden(true);
        liftedCell_ = cell;
    }
}

void VLTInteractiveTableView::didEndDisplayingCell(const TableViewCellPtr& cell)
{
    if (liftedCell_.lock() == cell) {
        cell->setAlpha(1.0);
        cell->setHidden(false);
        liftedCell_.reset();
    }
}

bool VLTInteractiveTableView::shouldApplyInteractionOnCell(const IndexPath& indexPath) const
{
    const bool sectionLocked =
        std::find(lockedSections_.begin(), lockedSections_.end(), indexPath.section) != lockedSections_.end();
    const bool rowLocked = std::find(lockedCellPaths_.begin(), lockedCellPaths_.end(), indexPath) != lockedCellPaths_.end();
    return !sectionLocked && !rowLocked;
}

bool VLTInteractiveTableView::gestureRecognizerShouldBegin(GestureRecognizer& recognizer)
{
    const auto row = indexPathForRow(recognizer.locationInView(this));
    if (!row) {
        return false;
    }
    if (!dynamic_cast<platform::ui::LongPressGestureRecognizer*>(&recognizer)) {
        return TableView::gestureRecognizerShouldBegin(recognizer);
    }
    if (!shouldApplyInteractionOnCell(*row)) {
        if (const auto owner = interactiveDelegate()) {
            owner->tableViewCellDraggingCanceledWithLocked(true);
        }
        return false;
    }
    return true;
}

std::shared_ptr<View> VLTInteractiveTableView::hitTest(const Point& point)
{
    return totalRowCount() < 1 ? nullptr : TableView::hitTest(point);
}

int VLTInteractiveTableView::totalRowCount() const
{
    int rows = 0;
    for (int section = 0; section < numberOfSections(); ++section) {
        rows += numberOfRows(section);
    }
    return rows;
}

void VLTInteractiveTableView::handleLongPressGesture(GestureRecognizer& gesture)
{
    const Point location = gesture.locationInView(this);
    const auto row = indexPathForRow(location);
    switch (gesture.state()) {
    case GestureState::began:
        liftRow(location, row);
        break;
    case GestureState::changed:
        followFinger(location, row);
        break;
    default:
        dropRow();
        break;
    }
}

void VLTInteractiveTableView::liftRow(const Point& location, const std::optional<IndexPath>& row)
{
    const auto cell = row ? cellForRow(*row) : nullptr;
    if (!cell) {
        return;
    }
    cellInitialPath_ = row;
    if (const auto owner = interactiveDelegate()) {
        owner->tableViewCellDraggingDidStart();
    }
    auto snapshot = std::make_shared<ImageView>(pictureOfRow(*cell));
    snapshot->setClipsToBounds(false);
    snapshot->layer().setCornerRadius(0);
    snapshot->setCenter(cell->center());
    snapshot->setAlpha(1.0);
    addSubview(snapshot);
    cellSnapshot_ = snapshot;
    liftedCell_ = cell;
    cell->setAlpha(0);
    const std::weak_ptr<View> weakSelf = weak_from_this();
    Animator::animate(
        kLiftDuration,
        [&] {
            snapshot->setCenter({cell->center().x, location.y});
            snapshot->setTransform(liftTransform(cell->bounds().width()));
            snapshot->setAlpha(kLiftAlpha);
        },
        [weakSelf, cell](bool) {
            const auto self = std::static_pointer_cast<VLTInteractiveTableView>(weakSelf.lock());
            if (self && self->liftedCell_.lock() == cell) {
                cell->setHidden(true);
            }
        });
}

void VLTInteractiveTableView::layoutSubviews()
{
    TableView::layoutSubviews();
    refitSnapshot();
}

void VLTInteractiveTableView::refitSnapshot()
{
    const auto cell = liftedCell_.lock();
    if (!cellSnapshot_ || !cell || cellSnapshot_->bounds().size == cell->bounds().size) {
        return;
    }
    cell->layoutIfNeeded();
    auto& snapshot = *cellSnapshot_;
    Animator::performWithoutAnimation([&] {
        snapshot.setImage(pictureOfRow(*cell));
        snapshot.setBounds({{0, 0}, cell->bounds().size});
        snapshot.setCenter({cell->center().x, snapshot.center().y});
        // A picture sliding back to its row has already given up the lift.
        if (!snapshot.transform().isIdentity()) {
            snapshot.setTransform(liftTransform(cell->bounds().width()));
        }
    });
}

platform::graphics::ImagePtr VLTInteractiveTableView::pictureOfRow(TableViewCell& cell)
{
    // The lifted row is see-through while its picture stands in for it.
    const double alpha = cell.alpha();
    cell.setAlpha(1.0);
    auto picture = cell.snapshotImage(0, false);
    cell.setAlpha(alpha);
    return picture;
}

AffineTransform VLTInteractiveTableView::liftTransform(double width)
{
    // Scaled about its centre, a row as wide as a tablet's screen would carry its text
    // some 17 points left of where the other rows' text starts.
    return AffineTransform::scale(kLiftScale, kLiftScale)
        .concatenating(AffineTransform::translation((kLiftScale - 1) * width / 2, 0));
}

void VLTInteractiveTableView::followFinger(const Point& location, const std::optional<IndexPath>& row)
{
    if (!cellSnapshot_) {
        return;
    }
    cellSnapshot_->setCenter({cellSnapshot_->center().x, location.y});
    if (!row || row == cellInitialPath_ || !shouldApplyInteractionOnCell(*row) || !cellInitialPath_) {
        return;
    }
    if (const auto owner = interactiveDelegate()) {
        owner->tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(*this, *cellInitialPath_, *row);
    }
    moveRow(*cellInitialPath_, *row);
    cellInitialPath_ = row;
}

void VLTInteractiveTableView::dropRow()
{
    if (!cellInitialPath_ || !cellSnapshot_) {
        return;
    }
    const auto cell = cellForRow(*cellInitialPath_);
    if (!cell) {
        // The row left the screen under the image: nothing to slide back to, but the
        // drag still ends.
        finishDrag(nullptr);
        return;
    }
    cell->setHidden(false);
    cell->setAlpha(0);
    const auto snapshot = cellSnapshot_;
    const std::weak_ptr<View> weakSelf = weak_from_this();
    Animator::animate(
        kLiftDuration,
        [&] {
            snapshot->setCenter(cell->center());
            snapshot->setTransform(AffineTransform::identity());
        },
        [weakSelf, cell, snapshot](bool) {
            const auto self = std::static_pointer_cast<VLTInteractiveTableView>(weakSelf.lock());
            if (self && self->cellSnapshot_ == snapshot) {
                self->finishDrag(cell);
            }
        });
}

void VLTInteractiveTableView::finishDrag(const TableViewCellPtr& cell)
{
    if (cell) {
        cell->setAlpha(1.0);
        cell->setHidden(false);
    }
    cellInitialPath_.reset();
    liftedCell_.reset();
    if (cellSnapshot_) {
        cellSnapshot_->removeFromSuperview();
    }
    cellSnapshot_.reset();
    if (const auto owner = interactiveDelegate()) {
        owner->tableViewCellDraggingDidFinishWithTableView(*this);
    }
}

void VLTInteractiveTableView::setupEmptyTablePromptComponents(const platform::graphics::ImagePtr& image,
                                                               const std::string& text, double distanceFromTop)
{
    const double screenWidth = platform::ui::Screen::main().bounds().width();
    const double width = bounds().width();
    emptyTablePromptIcon_->setImage(image);
    emptyTablePromptIcon_->setContentMode(platform::ui::ContentMode::scaleAspectFit);
    emptyTablePromptIcon_->setFrame(makeRect(screenWidth / 2 - width / 6, distanceFromTop, width / 3, width / 3));

    const double labelWidth = width - 40;
    emptyTablePromptLabel_->setText(text);
    emptyTablePromptLabel_->setTextColor(platform::graphics::Color::lightGray());
    emptyTablePromptLabel_->setNumberOfLines(0);
    emptyTablePromptLabel_->setFrame(
        makeRect(screenWidth / 2 - labelWidth / 2, distanceFromTop + width / 3 + 20, labelWidth, 40));
    emptyTablePromptLabel_->setTextAlignment(platform::graphics::TextAlignment::center);

    for (const auto& view : promptViews()) {
        view->setAlpha(0);
        view->setHidden(true);
    }
    addSubview(emptyTablePromptLabel_);
    addSubview(emptyTablePromptIcon_);
}

void VLTInteractiveTableView::manageEmptyTablePrompt(bool visible, bool animated)
{
    const auto views = promptViews();
    if (!animated) {
        for (const auto& view : views) {
            view->setAlpha(visible ? 1.0 : 0.0);
            view->setHidden(!visible);
        }
        return;
    }
    for (const auto& view : views) {
        if (visible) {
            view->setAlpha(0);
        }
        view->setHidden(false);
    }
    Animator::Completion hideWhenFaded;
    if (!visible) {
        // A show since the fade began has put the alpha back: the prompt stays.
        hideWhenFaded = [views](bool) {
            for (const auto& view : views) {
                view->setHidden(view->alpha() == 0);
            }
        };
    }
    Animator::animate(
        kPromptDuration,
        [&] {
            for (const auto& view : views) {
                view->setAlpha(visible ? 1.0 : 0.0);
                view->setTransform(visible ? AffineTransform::identity()
                                           : AffineTransform::scale(kPromptHiddenScale, kPromptHiddenScale));
            }
        },
        hideWhenFaded);
}

std::vector<std::shared_ptr<View>> VLTInteractiveTableView::promptViews() const
{
    return {emptyTablePromptIcon_, emptyTablePromptLabel_};
}

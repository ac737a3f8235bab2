#include "designer/screens/ZKRadioGroupTableViewCell.h"

#include "designer/screens/ZKFieldSettingsForm.h"
#include "designer/screens/ZKFieldSettingsLook.h"
#include "foundation/NotificationCenter.h"
#include "foundation/Text.h"
#include "sdk/screens/VTIconFontPainter.h"
#include "support/LocalizedSDK.h"
#include "ui/Animator.h"
#include "ui/Screen.h"
#include "ui/TableView.h"

using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::SwipeDirection;
using platform::ui::SwipeGestureRecognizer;
using platform::ui::View;

namespace {

constexpr double markWidth = 44;

} // namespace

ZKRadioGroupTableViewCell::ZKRadioGroupTableViewCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
    , leftSwipeGesture(std::make_shared<SwipeGestureRecognizer>())
    , rightSwipeGesture(std::make_shared<SwipeGestureRecognizer>())
    , divider_(std::make_shared<View>())
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    makeBackView();
    makeFrontView();
}

ZKRadioGroupTableViewCell::~ZKRadioGroupTableViewCell()
{
    platform::NotificationCenter::defaultCenter().removeObserver(this);
}

void ZKRadioGroupTableViewCell::makeBackView()
{
    auto back = std::make_shared<View>();
    back->setBackgroundColor(Color::systemRed());
    auto remove = std::make_shared<platform::ui::Button>();
    remove->setTitle(localizedSDK("Delete"));
    remove->setTitleColor(Color::white());
    remove->titleLabel()->setFont(ZKFieldSettingsLook::messageFont());
    back->addSubview(remove);
    contentView()->addSubview(back);
    backView = back;
    deleteButton = remove;
}

void ZKRadioGroupTableViewCell::makeFrontView()
{
    auto front = std::make_shared<View>();
    front->setBackgroundColor(Color::white());
    auto name = std::make_shared<platform::ui::Label>();
    name->setFont(ZKFieldSettingsLook::bodyFont());
    name->setTextColor(Color::black());
    auto mark = std::make_shared<platform::ui::Label>();
    mark->setText(selectionGlyph);
    mark->setFont(platform::graphics::Font(VTIconFontPainter::family, 22));
    mark->setTextColor(ZKFieldSettingsLook::accent());
    mark->setTextAlignment(platform::graphics::TextAlignment::center);
    divider_->setBackgroundColor(ZKFieldSettingsLook::border());
    front->addSubview(name);
    front->addSubview(mark);
    front->addSubview(divider_);
    contentView()->addSubview(front);
    frontView = front;
    groupNameLabel = name;
    selectionStatusLabel = mark;
}

void ZKRadioGroupTableViewCell::configure(const std::string& groupName, bool selected,
                                          const platform::ui::IndexPath& indexPath)
{
    groupNameLabel.lock()->setText(groupName);
    selectionStatusLabel.lock()->setHidden(!selected);
    cellIndexPath = indexPath;
    // A reused row starts closed.
    backMenuShowing = false;
    hideBackMenuAnimated(false, nullptr);
}

void ZKRadioGroupTableViewCell::awakeFromNib()
{
    backMenuShowing = false;
    const auto self = shared_from_this();
    leftSwipeGesture->setDirection(SwipeDirection::left);
    rightSwipeGesture->setDirection(SwipeDirection::right);
    for (const auto& swipe : {leftSwipeGesture, rightSwipeGesture}) {
        swipe->addTarget(self, [this](platform::ui::GestureRecognizer& gesture) { handleSwipeGesture(gesture); });
        frontView.lock()->addGestureRecognizer(swipe);
    }
    deleteButton.lock()->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                                   [this](platform::ui::Control& sender) { deleteButtonTapped(sender); });
    platform::NotificationCenter::defaultCenter().addObserver(
        self, platform::ui::ScreenNotifications::orientationDidChange, nullptr,
        [weak = std::weak_ptr<View>(self)](const platform::Notification&) {
            if (const auto cell = std::static_pointer_cast<ZKRadioGroupTableViewCell>(weak.lock())) {
                cell->handleOrientationChange();
            }
        });
}

void ZKRadioGroupTableViewCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    const auto front = frontView.lock();
    // A layout pass resizes the front view but keeps it where the row has slid it.
    front->setFrame(makeRect(front->frame().minX(), 0, area.width(), area.height()));
    backView.lock()->setFrame(area);
    deleteButton.lock()->setFrame(makeRect(area.width() - backMenuWidth, 0, backMenuWidth, area.height()));
    // The name starts under the text of the group field above the list, the mark ends
    // under its right edge.
    const double side = ZKFieldSettingsForm::sideMargin(area.width());
    const double nameLeft = side + ZKFieldSettingsForm::textInset;
    const double markLeft = area.width() - side - markWidth;
    selectionStatusLabel.lock()->setFrame(makeRect(markLeft, 0, markWidth, area.height()));
    groupNameLabel.lock()->setFrame(makeRect(nameLeft, 0, std::max(0.0, markLeft - nameLeft), area.height()));
    divider_->setFrame(makeRect(nameLeft, area.height() - 0.5, std::max(0.0, area.width() - nameLeft), 0.5));
}

void ZKRadioGroupTableViewCell::handleSwipeGesture(platform::ui::GestureRecognizer& gesture)
{
    const auto* swipe = dynamic_cast<const SwipeGestureRecognizer*>(&gesture);
    if (!swipe) {
        return;
    }
    if (swipe->direction() == SwipeDirection::left && !backMenuShowing) {
        revealBackMenuAnimated(true, [this] { backMenuShowing = true; });
    } else if (swipe->direction() == SwipeDirection::right && backMenuShowing) {
        hideBackMenuAnimated(true, [this] { backMenuShowing = false; });
    }
}

void ZKRadioGroupTableViewCell::revealBackMenuAnimated(bool animated, const Completion& completion)
{
    if (platform::text::toLower(groupNameLabel.lock()->text().value_or("")) == "default") {
        return;
    }
    slideFrontViewTo(-backMenuWidth, animated, completion);
}

void ZKRadioGroupTableViewCell::hideBackMenuAnimated(bool animated, const Completion& completion)
{
    slideFrontViewTo(0, animated, completion);
}

void ZKRadioGroupTableViewCell::slideFrontViewTo(double x, bool animated, const Completion& completion)
{
    const auto front = frontView.lock();
    const auto size = contentView()->bounds().size;
    const auto move = [front, x, size] { front->setFrame(makeRect(x, 0, size.width, size.height)); };
    if (!animated) {
        move();
        if (completion) {
            completion();
        }
        return;
    }
    const std::weak_ptr<View> self = weak_from_this();
    platform::ui::Animator::animate(animationDuration, move, [self, completion](bool) {
        if (self.lock() && completion) {
            completion();
        }
    });
}

void ZKRadioGroupTableViewCell::handleOrientationChange()
{
    if (backMenuShowing) {
        revealBackMenuAnimated(false, nullptr);
    } else {
        hideBackMenuAnimated(false, nullptr);
    }
}

void ZKRadioGroupTableViewCell::deleteButtonTapped(platform::ui::Control&)
{
    backMenuShowing = false;
    hideBackMenuAnimated(true, nullptr);
    const auto row = currentIndexPath();
    const auto listener = delegate();
    if (row && listener) {
        listener->cellDeletionRequestedForCellAtIndexPath(*row);
    }
}

std::optional<platform::ui::IndexPath> ZKRadioGroupTableViewCell::currentIndexPath() const
{
    for (auto* view = superviewPointer(); view; view = view->superviewPointer()) {
        if (const auto* table = dynamic_cast<const platform::ui::TableView*>(view)) {
            return table->indexPathForCell(*this);
        }
    }
    return std::nullopt;
}

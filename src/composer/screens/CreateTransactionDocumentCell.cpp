#include "composer/screens/CreateTransactionDocumentCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "foundation/NotificationCenter.h"
#include "support/ZKColor.h"
#include "support/ZKScreen.h"
#include "ui/Animator.h"
#include "ui/Screen.h"

using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::Button;
using platform::ui::Control;
using platform::ui::ControlEvent;
using platform::ui::SwipeDirection;
using platform::ui::SwipeGestureRecognizer;
using platform::ui::View;

namespace {

// Names line up with the page's row titles, and dividers start where the page's do.
constexpr double nameMargin = 40;
constexpr double dividerInset = 15;
constexpr double dragLabelWidth = 44;
constexpr double glyphSize = 24;

std::shared_ptr<Button> makeGlyphButton(const std::string& glyph)
{
    auto button = std::make_shared<Button>();
    button->setTitle(glyph);
    button->setTitleColor(Color::white());
    button->titleLabel()->setFont(CreateTransactionLook::iconFont(glyphSize));
    return button;
}

} // namespace

CreateTransactionDocumentCell::CreateTransactionDocumentCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier),
      leftSwipeGesture(std::make_shared<SwipeGestureRecognizer>()),
      rightSwipeGesture(std::make_shared<SwipeGestureRecognizer>()),
      divider_(std::make_shared<View>())
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    makeBackView();
    makeFrontView();
    for (const auto& [outlet, name, constant] :
         {std::tuple{&dragButtonTrailingConstraintPortrait, "dragButtonTrailingConstraintPortrait", 4.0},
          std::tuple{&dragButtonTrailingConstraintLandscape, "dragButtonTrailingConstraintLandscape", 12.0},
          std::tuple{&dragButtonTrailingConstraintIPad, "dragButtonTrailingConstraintIPad", 27.0}}) {
        auto constraint = std::make_shared<platform::ui::LayoutConstraint>(name, constant);
        *outlet = constraint;
        constraints_.push_back(std::move(constraint));
    }
}

CreateTransactionDocumentCell::~CreateTransactionDocumentCell()
{
    platform::NotificationCenter::defaultCenter().removeObserver(this);
}

void CreateTransactionDocumentCell::makeBackView()
{
    auto back = std::make_shared<View>();
    back->setBackgroundColor(ZKColor::error());
    auto trash = makeGlyphButton(trashGlyph);
    auto edit = makeGlyphButton("");
    back->addSubview(edit);
    back->addSubview(trash);
    contentView()->addSubview(back);
    backView = back;
    trashButton = trash;
    editButton = edit;
}

void CreateTransactionDocumentCell::makeFrontView()
{
    auto front = std::make_shared<View>();
    front->setBackgroundColor(Color::white());
    auto name = std::make_shared<platform::ui::Label>();
    name->setFont(CreateTransactionLook::bodyFont());
    name->setTextColor(Color::darkGray());
    auto handle = std::make_shared<platform::ui::Label>();
    handle->setText(dragGlyph);
    handle->setFont(CreateTransactionLook::iconFont(glyphSize));
    handle->setTextColor(CreateTransactionLook::caption());
    handle->setTextAlignment(platform::graphics::TextAlignment::center);
    divider_->setBackgroundColor(CreateTransactionLook::divider());
    // The selection button lies over everything else of the front view, so a tap anywhere
    // on the row reaches it.
    auto selection = std::make_shared<Button>();
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{name, handle, divider_, selection}) {
        front->addSubview(view);
    }
    contentView()->addSubview(front);
    frontView = front;
    documentNameabel = name;
    dragLabel = handle;
    cellSelectionButton = selection;
}

void CreateTransactionDocumentCell::awakeFromNib()
{
    const auto self = shared_from_this();
    platform::NotificationCenter::defaultCenter().addObserver(
        self, platform::ui::ScreenNotifications::orientationDidChange, nullptr,
        [weak = std::weak_ptr<View>(self)](const platform::Notification&) {
            if (const auto cell = std::static_pointer_cast<CreateTransactionDocumentCell>(weak.lock())) {
                cell->handleOrientationChange();
            }
        });
    setupGestures();
    wireActions();
}

void CreateTransactionDocumentCell::setupGestures()
{
    leftSwipeGesture->setDirection(SwipeDirection::left);
    rightSwipeGesture->setDirection(SwipeDirection::right);
    const auto self = shared_from_this();
    for (const auto& swipe : {leftSwipeGesture, rightSwipeGesture}) {
        swipe->addTarget(self, [this](platform::ui::GestureRecognizer& gesture) { handleSwipeGesture(gesture); });
        frontView.lock()->addGestureRecognizer(swipe);
    }
}

void CreateTransactionDocumentCell::wireActions()
{
    const auto self = shared_from_this();
    const auto on = [this, &self](const std::weak_ptr<Button>& button,
                                  void (CreateTransactionDocumentCell::*action)(Control&)) {
        button.lock()->addTarget(self, ControlEvent::touchUpInside,
                                 [this, action](Control& sender) { (this->*action)(sender); });
    };
    on(trashButton, &CreateTransactionDocumentCell::trashButtonTapped);
    on(editButton, &CreateTransactionDocumentCell::editButtonTapped);
    on(cellSelectionButton, &CreateTransactionDocumentCell::cellSelectionButtonTapped);
}

void CreateTransactionDocumentCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto back = backView.lock();
    const auto front = frontView.lock();
    // A layout pass resizes the views but keeps the front view where the row has slid it.
    const double slid = front->center().x - back->center().x;
    const auto area = contentView()->bounds();
    back->setFrame(area);
    front->setBounds(makeRect(0, 0, area.width(), area.height()));
    front->setCenter({back->center().x + slid, back->center().y});

    const double trashLeft = area.width() - trashButtonWidth;
    trashButton.lock()->setFrame(makeRect(trashLeft, 0, trashButtonWidth, area.height()));
    editButton.lock()->setFrame(makeRect(trashLeft - editButtonWidth, 0, editButtonWidth, area.height()));

    const double handleLeft = area.width() - dragLabelTrailing() - dragLabelWidth;
    dragLabel.lock()->setFrame(makeRect(handleLeft, 0, dragLabelWidth, area.height()));
    documentNameabel.lock()->setFrame(makeRect(nameMargin, 0, handleLeft - 8 - nameMargin, area.height()));
    divider_->setFrame(makeRect(dividerInset, area.height() - 0.5, area.width() - dividerInset, 0.5));
    cellSelectionButton.lock()->setFrame(makeRect(0, 0, area.width(), area.height()));
}

double CreateTransactionDocumentCell::dragLabelTrailing() const
{
    if (platform::ui::Screen::main().traitCollection().isRegularByRegular()) {
        return dragButtonTrailingConstraintIPad.lock()->constant();
    }
    return (ZKScreen::isInLanscapeOrientation() ? dragButtonTrailingConstraintLandscape
                                                : dragButtonTrailingConstraintPortrait)
        .lock()
        ->constant();
}

void CreateTransactionDocumentCell::handleSwipeGesture(platform::ui::GestureRecognizer& gesture)
{
    const auto* swipe = dynamic_cast<const SwipeGestureRecognizer*>(&gesture);
    if (!swipe) {
        return;
    }
    if (swipe->direction() == SwipeDirection::right) {
        hideBackView(true);
    } else if (swipe->direction() == SwipeDirection::left) {
        showBackView(true);
    }
}

void CreateTransactionDocumentCell::showBackView(bool animated)
{
    const auto listener = delegate();
    if (listener && !listener->canDeleteDocuments()) {
        return;
    }
    slideFrontViewTo(backView.lock()->center().x - trashButtonWidth - editButtonWidth, animated, true);
}

void CreateTransactionDocumentCell::hideBackView(bool animated)
{
    slideFrontViewTo(backView.lock()->center().x, animated, false);
}

void CreateTransactionDocumentCell::slideFrontViewTo(double centerX, bool animated, bool showing)
{
    const auto front = frontView.lock();
    const auto move = [&front, centerX] { front->setCenter({centerX, front->center().y}); };
    if (!animated) {
        move();
        backViewShowing = showing;
        return;
    }
    platform::ui::Animator::animate(animationDuration, move,
                                    [weak = std::weak_ptr<View>(shared_from_this()), showing](bool) {
                                        if (const auto cell = weak.lock()) {
                                            static_cast<CreateTransactionDocumentCell&>(*cell).backViewShowing = showing;
                                        }
                                    });
}

void CreateTransactionDocumentCell::handleOrientationChange()
{
    if (backViewShowing) {
        showBackView(false);
        return;
    }
    hideBackView(false);
}

void CreateTransactionDocumentCell::trashButtonTapped(Control&)
{
    if (const auto listener = delegate()) {
        listener->documentCellDeleteButtonTapped(*this);
    }
}

void CreateTransactionDocumentCell::editButtonTapped(Control&)
{
    hideBackView(true);
}

void CreateTransactionDocumentCell::cellSelectionButtonTapped(Control&)
{
    if (backViewShowing) {
        hideBackView(true);
        return;
    }
    if (const auto listener = delegate()) {
        listener->documentCellDidTapOnCell(*this);
    }
}

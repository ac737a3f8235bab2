#include "composer/screens/CreateTransactionRecipientCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "composer/screens/CreateTransactionRowIcons.h"
#include "composer/screens/CreateTransactionSignerType.h"
#include "foundation/NotificationCenter.h"
#include "foundation/Text.h"
#include "support/ZKColor.h"
#include "support/ZKScreen.h"
#include "support/ZKUtil.h"
#include "ui/Animator.h"
#include "ui/ImageView.h"
#include "ui/Screen.h"

using platform::graphics::Color;
using platform::graphics::Font;
using platform::graphics::makeRect;
using platform::ui::Label;
using platform::ui::LayoutConstraint;
using platform::ui::SwipeDirection;
using platform::ui::View;

namespace {

constexpr double iconSize = 32;
constexpr double iconGap = 14;
constexpr double textGap = 12;
constexpr double nameTop = 11;
constexpr double nameHeight = 22;
constexpr double emailHeight = 18;

std::optional<std::string> stringAt(const Dictionary& row, const char* key)
{
    const auto found = row.find(key);
    return found != row.end() && found->is_string() ? std::optional(found->get<std::string>()) : std::nullopt;
}

bool isSet(const Dictionary& row, const char* key)
{
    const auto found = row.find(key);
    return found != row.end() && found->is_boolean() && found->get<bool>();
}

CreateTransactionSignerType signerTypeOfRow(const Dictionary& row)
{
    if (isSet(row, "placeholder")) {
        return CreateTransactionSignerType::placeholder;
    }
    if (isSet(row, "group")) {
        return CreateTransactionSignerType::group;
    }
    return ZKUtil::isAccountOwnerEmail(stringAt(row, "emailDisplay")) ? CreateTransactionSignerType::myself
                                                                      : CreateTransactionSignerType::recipient;
}

std::shared_ptr<Label> makeLabel(const Font& font, const Color& color)
{
    auto label = std::make_shared<Label>();
    label->setFont(font);
    label->setTextColor(color);
    return label;
}

} // namespace

CreateTransactionRecipientCell::CreateTransactionRecipientCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
    , leftSwipeGesture(std::make_shared<platform::ui::SwipeGestureRecognizer>())
    , rightSwipeGesture(std::make_shared<platform::ui::SwipeGestureRecognizer>())
    , divider_(std::make_shared<View>())
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    makeBackView();
    makeFrontView();
    frontViewCenterXConstraintPortrait = makeConstraint("frontViewCenterXConstraintPortrait", 0);
    dragButtonTrailingConstraintPortrait = makeConstraint("dragButtonTrailingConstraintPortrait", 0);
    frontViewCenterXConstraintLandscape = makeConstraint("frontViewCenterXConstraintLandscape", 0);
    dragButtonTrailingConstraintLandscape = makeConstraint("dragButtonTrailingConstraintLandscape", 0);
    signerIndexLeadingConstraintiPhone = makeConstraint("signerIndexLeadingConstraintiPhone", signerIndexLeadingOnPhone);
    frontViewCenterXConstraintIPad = makeConstraint("frontViewCenterXConstraintIPad", 0);
    signerIndexLeadingConstraintIPad = makeConstraint("signerIndexLeadingConstraintIPad", signerIndexLeadingOnTablet);
    dragButtonTrailingConstraintIPad = makeConstraint("dragButtonTrailingConstraintIPad", dragButtonTrailingOnTablet);
}

CreateTransactionRecipientCell::~CreateTransactionRecipientCell()
{
    platform::NotificationCenter::defaultCenter().removeObserver(this);
}

void CreateTransactionRecipientCell::makeBackView()
{
    auto back = std::make_shared<View>();
    back->setBackgroundColor(ZKColor::error());
    auto trash = std::make_shared<platform::ui::Button>();
    trash->setImage(CreateTransactionRowIcons::trash(Color::white()));
    back->addSubview(trash);
    contentView()->addSubview(back);
    backView = back;
    trashButton = trash;
}

void CreateTransactionRecipientCell::makeFrontView()
{
    auto front = std::make_shared<View>();
    front->setBackgroundColor(Color::white());
    front->setClipsToBounds(true);
    auto number = makeLabel(Font::boldSystemFont(17), CreateTransactionLook::accent());
    number->setTextAlignment(platform::graphics::TextAlignment::center);
    auto icon = makeLabel(CreateTransactionLook::iconFont(26), CreateTransactionLook::accent());
    icon->setTextAlignment(platform::graphics::TextAlignment::center);
    auto name = makeLabel(CreateTransactionLook::bodyFont(), Color::black());
    auto email = makeLabel(Font::systemFont(14), ZKColor::textLight());
    auto handle = std::make_shared<platform::ui::ImageView>(CreateTransactionRowIcons::dragHandle(Color::systemGray()));
    handle->setContentMode(platform::ui::ContentMode::center);
    auto button = std::make_shared<platform::ui::Button>();
    divider_->setBackgroundColor(CreateTransactionLook::divider());
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{number, icon, name, email, handle, button,
                                                                         divider_}) {
        front->addSubview(view);
    }
    contentView()->addSubview(front);
    frontView = front;
    signerIndexLabel = number;
    signerIconLabel = icon;
    fullNameLabel = name;
    emailLabel = email;
    dragButton = handle;
    cellButton = button;
}

std::shared_ptr<LayoutConstraint> CreateTransactionRecipientCell::makeConstraint(const char* identifier,
                                                                                 double constant)
{
    auto constraint = std::make_shared<LayoutConstraint>(identifier, constant);
    constraints_.push_back(constraint);
    return constraint;
}

void CreateTransactionRecipientCell::awakeFromNib()
{
    const auto self = std::static_pointer_cast<CreateTransactionRecipientCell>(shared_from_this());
    const std::weak_ptr<CreateTransactionRecipientCell> weak = self;
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto observe = [&](const char* name, void (CreateTransactionRecipientCell::*handler)()) {
        center.addObserver(self, name, nullptr, [weak, handler](const platform::Notification&) {
            if (const auto cell = weak.lock()) {
                ((*cell).*handler)();
            }
        });
    };
    observe(CreateTransactionNotifications::orderedSigningTurnedOn, &CreateTransactionRecipientCell::enableOrderedSigning);
    observe(CreateTransactionNotifications::orderedSigningTurnedOff,
            &CreateTransactionRecipientCell::disableOrderedSigning);
    observe(platform::ui::ScreenNotifications::orientationDidChange,
            &CreateTransactionRecipientCell::handleOrientationChange);

    const auto swipe = [this](platform::ui::GestureRecognizer& gesture) { handleSwipeGesture(gesture); };
    leftSwipeGesture->addTarget(self, swipe);
    leftSwipeGesture->setDirection(SwipeDirection::left);
    rightSwipeGesture->addTarget(self, swipe);
    rightSwipeGesture->setDirection(SwipeDirection::right);
    frontView.lock()->addGestureRecognizer(leftSwipeGesture);
    frontView.lock()->addGestureRecognizer(rightSwipeGesture);

    trashButton.lock()->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                                  [this](platform::ui::Control& sender) { trashButtonTapped(sender); });
    cellButton.lock()->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                                 [this](platform::ui::Control& sender) { cellButtonTapped(sender); });
}

// Filling

void CreateTransactionRecipientCell::fillWithSignerRow(const Dictionary& row, int rowIndex)
{
    signerIndexLabel.lock()->setText(std::to_string(rowIndex + 1));
    const auto type = signerTypeOfRow(row);
    signerIconLabel.lock()->setText(glyphForSignerType(type));
    const auto email = emailLabel.lock();
    email->setTextColor(type == CreateTransactionSignerType::placeholder ? ZKColor::error() : ZKColor::textLight());
    // A recipient without a last name has a trailing space in its display name.
    fullNameLabel.lock()->setText(platform::text::trimSpacesAndTabs(stringAt(row, "displayName").value_or("")));
    const auto emailDisplay = stringAt(row, "emailDisplay");
    email->setText(emailDisplay ? emailDisplay : stringAt(row, "company"));
}

// Layout

CreateTransactionRecipientCell::ConstraintsInForce CreateTransactionRecipientCell::constraintsInForce() const
{
    if (platform::ui::Screen::main().traitCollection().isRegularByRegular()) {
        return {frontViewCenterXConstraintIPad.lock(), signerIndexLeadingConstraintIPad.lock(),
                dragButtonTrailingConstraintIPad.lock(), dragButtonLabelWidthIPad};
    }
    if (ZKScreen::isInLanscapeOrientation()) {
        return {frontViewCenterXConstraintLandscape.lock(), signerIndexLeadingConstraintiPhone.lock(),
                dragButtonTrailingConstraintLandscape.lock(), dragButtonLabelWidth};
    }
    return {frontViewCenterXConstraintPortrait.lock(), signerIndexLeadingConstraintiPhone.lock(),
            dragButtonTrailingConstraintPortrait.lock(), dragButtonLabelWidth};
}

void CreateTransactionRecipientCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    backView.lock()->setFrame(area);
    trashButton.lock()->setFrame(makeRect(area.width() - trashButtonWidth, 0, trashButtonWidth, area.height()));
    const auto constraints = constraintsInForce();
    frontView.lock()->setFrame(makeRect(constraints.frontViewCenterX->constant(), 0, area.width(), area.height()));
    layoutFrontView(constraints);
}

void CreateTransactionRecipientCell::layoutFrontView(const ConstraintsInForce& constraints)
{
    const auto area = frontView.lock()->bounds();
    const double middle = area.height() / 2;
    const double numberLeft = constraints.signerIndexLeading->constant();
    signerIndexLabel.lock()->setFrame(makeRect(numberLeft, middle - 15, signerIndexLabelWidth, 30));
    const double iconLeft = numberLeft + signerIndexLabelWidth + iconGap;
    signerIconLabel.lock()->setFrame(makeRect(iconLeft, middle - iconSize / 2, iconSize, iconSize));
    const double handleLeft =
        area.width() - constraints.dragButtonTrailing->constant() - constraints.dragButtonWidth;
    dragButton.lock()->setFrame(makeRect(handleLeft, 0, constraints.dragButtonWidth, area.height()));
    const double textLeft = iconLeft + iconSize + textGap;
    const double textWidth = std::max(0.0, handleLeft - textGap - textLeft);
    fullNameLabel.lock()->setFrame(makeRect(textLeft, nameTop, textWidth, nameHeight));
    emailLabel.lock()->setFrame(makeRect(textLeft, nameTop + nameHeight, textWidth, emailHeight));
    cellButton.lock()->setFrame(area);
    divider_->setFrame(makeRect(0, area.height() - 0.5, area.width(), 0.5));
}

void CreateTransactionRecipientCell::layoutNow()
{
    setNeedsLayout();
    layoutIfNeeded();
}

void CreateTransactionRecipientCell::animate(const Change& during, const Change& after)
{
    const std::weak_ptr<CreateTransactionRecipientCell> weak =
        std::static_pointer_cast<CreateTransactionRecipientCell>(shared_from_this());
    platform::ui::Animator::animate(
        animationDuration, [&] { during(*this); },
        [weak, after](bool) {
            if (const auto cell = weak.lock()) {
                after(*cell);
            }
        });
}

// The back menu

void CreateTransactionRecipientCell::setBackMenuConstants(bool showing)
{
    const double offset = showing ? -trashButtonWidth : 0;
    for (const auto& constraint : {frontViewCenterXConstraintPortrait, frontViewCenterXConstraintLandscape,
                                   frontViewCenterXConstraintIPad}) {
        constraint.lock()->setConstant(offset);
    }
    layoutNow();
}

void CreateTransactionRecipientCell::placeBackMenu(bool showing)
{
    setBackMenuConstants(showing);
    backMenuShowing = showing;
}

void CreateTransactionRecipientCell::moveBackMenu(bool showing, bool animated)
{
    if (!animated) {
        placeBackMenu(showing);
        return;
    }
    // The flag changes once the front layer has arrived, finished or not.
    animate([showing](CreateTransactionRecipientCell& cell) { cell.setBackMenuConstants(showing); },
            [showing](CreateTransactionRecipientCell& cell) { cell.placeBackMenu(showing); });
}

void CreateTransactionRecipientCell::showBackMenu(bool animated)
{
    moveBackMenu(true, animated);
}

void CreateTransactionRecipientCell::hideBackMenu(bool animated)
{
    moveBackMenu(false, animated);
}

void CreateTransactionRecipientCell::handleOrientationChange()
{
    placeBackMenu(backMenuShowing);
}

// Ordered signing

void CreateTransactionRecipientCell::setOrderedSigningConstants(bool orderedSigning)
{
    signerIndexLeadingConstraintiPhone.lock()->setConstant(orderedSigning ? signerIndexLeadingOnPhone
                                                                          : -signerIndexLabelWidth);
    signerIndexLeadingConstraintIPad.lock()->setConstant(orderedSigning ? signerIndexLeadingOnTablet
                                                                        : -signerIndexLabelWidthIPad);
    const double phoneTrailing = orderedSigning ? 0 : -dragButtonLabelWidth;
    dragButtonTrailingConstraintPortrait.lock()->setConstant(phoneTrailing);
    dragButtonTrailingConstraintLandscape.lock()->setConstant(phoneTrailing);
    dragButtonTrailingConstraintIPad.lock()->setConstant(orderedSigning ? dragButtonTrailingOnTablet
                                                                        : -dragButtonLabelWidthIPad);
    layoutNow();
}

void CreateTransactionRecipientCell::updateCellForOrderedSigning(bool orderedSigning, bool animated)
{
    if (!animated) {
        setOrderedSigningConstants(orderedSigning);
        return;
    }
    const auto change = [orderedSigning](CreateTransactionRecipientCell& cell) {
        cell.setOrderedSigningConstants(orderedSigning);
    };
    animate(change, change);
}

void CreateTransactionRecipientCell::enableOrderedSigning()
{
    updateCellForOrderedSigning(true, true);
}

void CreateTransactionRecipientCell::disableOrderedSigning()
{
    updateCellForOrderedSigning(false, true);
}

// Touches

void CreateTransactionRecipientCell::handleSwipeGesture(platform::ui::GestureRecognizer& gesture)
{
    const auto* swipe = dynamic_cast<platform::ui::SwipeGestureRecognizer*>(&gesture);
    if (!swipe) {
        return;
    }
    if (swipe->direction() == SwipeDirection::right) {
        hideBackMenu(true);
    } else if (swipe->direction() == SwipeDirection::left) {
        showBackMenu(true);
    }
}

void CreateTransactionRecipientCell::trashButtonTapped(platform::ui::Control&)
{
    if (const auto listener = delegate()) {
        listener->createTransactionRecipientCellTrashButtonTapped(*this);
    }
}

void CreateTransactionRecipientCell::cellButtonTapped(platform::ui::Control&)
{
    if (backMenuShowing) {
        hideBackMenu(true);
        return;
    }
    if (const auto listener = delegate()) {
        listener->createTransactionRecipientCellTappedForSelection(*this);
    }
}

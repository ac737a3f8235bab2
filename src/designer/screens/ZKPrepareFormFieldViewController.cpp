#include "designer/screens/ZKPrepareFormFieldViewController.h"

#include "DataManager/ZKTransactionManager.h"
#include "ceremony/CeremonyFlow.h"
#include "ceremony/SigningFlowRoleUpdate.h"
#include "ceremony/screens/ZKNewFieldPlacement.h"
#include "designer/ZKDesignerHelper.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKCurrentSignerTableViewCell.h"
#include "designer/screens/ZKFieldsTableNotifications.h"
#include "designer/screens/ZKPanelListCell.h"
#include "designer/screens/ZKPrepareFormFieldDrag.h"
#include "designer/screens/ZKPrepareFormFieldEdgePan.h"
#include "designer/screens/ZKPrepareFormFieldLook.h"
#include "designer/screens/ZKPrepareFormFieldMainView.h"
#include "designer/screens/ZKPrepareFormFieldPalette.h"
#include "designer/screens/ZKSignatureFieldsTableViewCell.h"
#include "designer/screens/ZKSignerBadge.h"
#include "designer/screens/ZKSignersTableViewCell.h"
#include "fields/ZKBorderedView.h"
#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "support/LocalizedSDK.h"
#include "support/ZKLogger.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"
#include "support/ZKUtil.h"
#include "ui/Animator.h"
#include "ui/Screen.h"
#include "ui/Window.h"

#include <algorithm>
#include <cmath>

using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::Animator;
using platform::ui::View;

namespace {

constexpr double bodyWidth = ZKPrepareFormFieldEdgePan::bodyWidth;
constexpr double iconColumnWidth = ZKPrepareFormFieldEdgePan::iconColumnWidth;
constexpr double titleBarHeight = 44;
constexpr double titleInset = 12;
// Three bars, upright once turned: the menu opens and closes the panel alike.
constexpr const char* menuGlyph = "=";
constexpr double menuIconSize = 18;
constexpr double revealTabWidth = 35;
constexpr double revealTabHeight = 70;
constexpr double revealTabBorderWidth = 0.75;
constexpr double revealIconSize = 16;
// The tab's and the menu's arrows are turned a quarter.
constexpr double quarterTurn = 1.57;
constexpr double notchLandscapeRightOffset = 110;
constexpr double draggedFieldWidth = 130;
constexpr double draggedFieldHeight = 38;
constexpr double draggedFieldCornerRadius = 1;
constexpr double draggedFieldBorderWidth = 0.5;
constexpr double draggedFieldGlyphWidth = 30;
constexpr double draggedFieldGlyphSize = 18;
constexpr int roleSwitchLogLevel = 4;
// The floating field and the guides come only once the drag has surely begun.
constexpr double dragRevealDelay = 0.05;

constexpr int currentSignerRow = 0;
constexpr int signersRow = 1;
constexpr int signatureFieldsRow = 2;
constexpr int rowCount = 3;

std::shared_ptr<platform::ui::Label> glyphLabel(const std::string& glyph, double size, const Color& color)
{
    auto label = std::make_shared<platform::ui::Label>();
    label->setText(glyph);
    label->setFont(ZKPrepareFormFieldLook::iconFont(size));
    label->setTextColor(color);
    label->setTextAlignment(platform::graphics::TextAlignment::center);
    return label;
}

void addSubviews(View& parent, std::initializer_list<std::shared_ptr<View>> children)
{
    for (const auto& child : children) {
        parent.addSubview(child);
    }
}

// A user info's string value as a log line shows it.
std::string textOf(const Dictionary& info, const char* key)
{
    const auto found = info.find(key);
    if (found == info.end()) {
        return "(null)";
    }
    return found->is_string() ? found->get<std::string>() : found->dump();
}

} // namespace

ZKPrepareFormFieldViewController::ZKPrepareFormFieldViewController()
    : leftSwipeGesture(std::make_shared<platform::ui::SwipeGestureRecognizer>()),
      rightSwipeGesture(std::make_shared<platform::ui::SwipeGestureRecognizer>()),
      panGesture(std::make_shared<platform::ui::PanGestureRecognizer>()),
      leftEdgePanGesture(std::make_shared<platform::ui::ScreenEdgePanGestureRecognizer>()),
      panelIndicatorPanGesture(std::make_shared<platform::ui::PanGestureRecognizer>())
{
}

ZKPrepareFormFieldViewController::~ZKPrepareFormFieldViewController()
{
    platform::NotificationCenter::defaultCenter().removeObserver(static_cast<const ViewController*>(this));
}

std::shared_ptr<ZKPrepareFormFieldViewController> ZKPrepareFormFieldViewController::self()
{
    return std::static_pointer_cast<ZKPrepareFormFieldViewController>(shared_from_this());
}

void ZKPrepareFormFieldViewController::afterDelay(double seconds,
                                                  std::function<void(ZKPrepareFormFieldViewController&)> action)
{
    platform::RunLoop::main().dispatchAfter(seconds, [weak = weak_from_this(), action = std::move(action)] {
        if (const auto panel = weak.lock()) {
            action(static_cast<ZKPrepareFormFieldViewController&>(*panel));
        }
    });
}

bool ZKPrepareFormFieldViewController::isDraft() const
{
    const auto transaction = ZKTransactionManager::sharedInstance()->transaction();
    return transaction && transaction->draft();
}

std::shared_ptr<ZKParticipant> ZKPrepareFormFieldViewController::currentParticipant() const
{
    return isDraft() ? currentSigner1_ : CeremonyFlow::sharedInstance()->currentRole();
}

// MARK: Views

void ZKPrepareFormFieldViewController::loadView()
{
    auto root = std::make_shared<ZKPrepareFormFieldMainView>();
    // The body and the tab come first: the root view takes touches only on them.
    makeBody(*root);
    makeRevealTab(*root);
    makeDragViews(*root);
    for (const auto& [outlet, name, constant] :
         {std::tuple{&fieldsViewLeftConstraint, "fieldsViewLeftConstraint", 0.0},
          std::tuple{&tableRevealViewLeftconstraint, "tableRevealViewLeftconstraint", revealTabTuckedConstant},
          std::tuple{&tableRevealViewCenterY, "tableRevealViewCenterY", 0.0}}) {
        auto constraint = std::make_shared<platform::ui::LayoutConstraint>(name, constant, root);
        *outlet = constraint;
        constraints_.push_back(std::move(constraint));
    }
    setView(root);
}

void ZKPrepareFormFieldViewController::makeBody(View& root)
{
    auto body = std::make_shared<View>();
    body->setBackgroundColor(ZKPrepareFormFieldLook::panelBackground());
    body->setClipsToBounds(true);
    body->layer().setBorderWidth(draggedFieldBorderWidth);
    body->layer().setBorderColor(ZKPrepareFormFieldLook::divider());
    auto bar = std::make_shared<View>();
    bar->setBackgroundColor(ZKPrepareFormFieldLook::titleBar());
    auto title = std::make_shared<platform::ui::Label>();
    title->setFont(ZKPrepareFormFieldLook::titleFont());
    title->setTextColor(ZKPrepareFormFieldLook::titleText());
    auto menuIcon = glyphLabel(menuGlyph, menuIconSize, ZKPrepareFormFieldLook::titleText());
    auto menuButton = std::make_shared<platform::ui::Button>();
    auto table = std::make_shared<platform::ui::TableView>();
    // The panel lies at the screen's edge by design, its icon column with it.
    table->setInsetsContentViewsToSafeArea(false);
    table->registerCell(ZKCurrentSignerTableViewCell::identifier,
                        [] { return std::make_shared<ZKCurrentSignerTableViewCell>(); });
    table->registerCell(ZKSignersTableViewCell::identifier, [] { return std::make_shared<ZKSignersTableViewCell>(); });
    table->registerCell(ZKSignatureFieldsTableViewCell::identifier,
                        [] { return std::make_shared<ZKSignatureFieldsTableViewCell>(); });
    addSubviews(*body, {bar, title, menuIcon, menuButton, table});
    root.addSubview(body);
    fieldsView = body;
    signatureFieldsLabel = title;
    rightSideMenuIcon = menuIcon;
    rightSideMenuButton = menuButton;
    fieldsTableView_ = table;
}

void ZKPrepareFormFieldViewController::makeRevealTab(View& root)
{
    auto tab = std::make_shared<View>();
    tab->setBackgroundColor(ZKPrepareFormFieldLook::panelBackground());
    auto icon = glyphLabel(ZKCurrentSignerTableViewCell::closeArrow, revealIconSize, ZKPrepareFormFieldLook::glyph());
    auto button = std::make_shared<platform::ui::Button>();
    addSubviews(*tab, {icon, button});
    root.addSubview(tab);
    tableRevealView = tab;
    tableRevealIcon = icon;
    button->addAction(platform::ui::ControlEvent::touchUpInside, [weak = weak_from_this()](platform::ui::Control& sender) {
        if (const auto panel = weak.lock()) {
            static_cast<ZKPrepareFormFieldViewController&>(*panel).revealButtonTapped(sender);
        }
    });
}

void ZKPrepareFormFieldViewController::makeDragViews(View& root)
{
    auto horizontal = std::make_shared<ZKBorderedView>();
    auto vertical = std::make_shared<ZKBorderedView>();
    auto dragged = std::make_shared<View>();
    dragged->setBackgroundColor(ZKPrepareFormFieldLook::panelBackground());
    auto left = glyphLabel("", draggedFieldGlyphSize, ZKPrepareFormFieldLook::glyph());
    auto right = glyphLabel("", draggedFieldGlyphSize, ZKPrepareFormFieldLook::glyph());
    addSubviews(*dragged, {left, right});
    addSubviews(root, {horizontal, vertical, dragged});
    horizontalGridView = horizontal;
    verticalGridView = vertical;
    draggedFieldView = dragged;
    leftFieldIcon = left;
    rightFieldIcon = right;
    dragged->setAlpha(0);
    dragged->setHidden(true);
}

void ZKPrepareFormFieldViewController::setupUI()
{
    const auto tab = tableRevealView.lock();
    tab->layer().setBorderWidth(revealTabBorderWidth);
    tab->layer().setBorderColor(ZKPrepareFormFieldLook::revealTabBorder());
    const auto dragged = draggedFieldView.lock();
    dragged->layer().setCornerRadius(draggedFieldCornerRadius);
    dragged->setClipsToBounds(true);
    dragged->layer().setBorderWidth(draggedFieldBorderWidth);
    dragged->layer().setBorderColor(Color::lightGray());
    const auto turn = platform::graphics::AffineTransform::rotation(quarterTurn);
    tableRevealIcon.lock()->setTransform(turn);
    rightSideMenuIcon.lock()->setTransform(turn);
    for (const auto& [guide, line] : {std::pair{horizontalGridView.lock(), ZKBorderedView::lineCentralHorizontal},
                                      std::pair{verticalGridView.lock(), ZKBorderedView::lineCentralVertical}}) {
        guide->setLineType(line);
        guide->setBorderColor(ZKPrepareFormFieldLook::guide());
        guide->setFillColor(Color::clear());
        guide->setUserInteractionEnabled(false);
    }
}

void ZKPrepareFormFieldViewController::viewDidLayoutSubviews()
{
    const auto centerY = tableRevealViewCenterY.lock();
    if (ZKUtil::isiPhoneX()) {
        const double offset = ZKScreen::isInLanscapeOrientationRight() ? notchLandscapeRightOffset : 0;
        if (centerY->constant() != offset) {
            centerY->setConstant(offset);
        }
    }
    const auto bounds = view()->bounds();
    layoutBody(bounds);
    const auto tab = tableRevealView.lock();
    tab->setFrame(makeRect(tableRevealViewLeftconstraint.lock()->constant(),
                           bounds.height() / 2 - revealTabHeight / 2 + centerY->constant(), revealTabWidth,
                           revealTabHeight));
    for (const auto& part : tab->subviews()) {
        part->setBounds(makeRect(0, 0, revealTabWidth, revealTabHeight));
        part->setCenter({revealTabWidth / 2, revealTabHeight / 2});
    }
    layoutDragViews(bounds);
}

void ZKPrepareFormFieldViewController::layoutBody(const platform::graphics::Rect& bounds)
{
    const auto body = fieldsView.lock();
    // The body ends below its last row when the rows do not fill the height: room below
    // them would read as an empty row.
    const double room = std::max(0.0, bounds.height() - titleBarHeight);
    const double tableHeight = std::min(room, fieldsTableView_.lock()->contentSize().height);
    body->setFrame(makeRect(fieldsViewLeftConstraint.lock()->constant(), 0, bodyWidth, titleBarHeight + tableHeight));
    const auto& parts = body->subviews();
    const auto menu = makeRect(bodyWidth - iconColumnWidth, 0, iconColumnWidth, titleBarHeight);
    parts[0]->setFrame(makeRect(0, 0, bodyWidth, titleBarHeight));
    signatureFieldsLabel.lock()->setFrame(
        makeRect(titleInset, 0, bodyWidth - iconColumnWidth - titleInset, titleBarHeight));
    const auto icon = rightSideMenuIcon.lock();
    icon->setBounds(makeRect(0, 0, menu.width(), menu.height()));
    icon->setCenter(menu.center());
    rightSideMenuButton.lock()->setFrame(menu);
    fieldsTableView_.lock()->setFrame(makeRect(0, titleBarHeight, bodyWidth, tableHeight));
}

// The guides and the dragged field stand centred; a drag moves them by their transforms.
void ZKPrepareFormFieldViewController::layoutDragViews(const platform::graphics::Rect& bounds)
{
    const platform::graphics::Point middle{bounds.width() / 2, bounds.height() / 2};
    const auto place = [&middle](View& view, double width, double height) {
        view.setBounds(makeRect(0, 0, width, height));
        view.setCenter(middle);
    };
    place(*horizontalGridView.lock(), bounds.width(), draggedFieldHeight);
    place(*verticalGridView.lock(), draggedFieldWidth, bounds.height());
    const auto dragged = draggedFieldView.lock();
    const double side = ZKPrepareFormFieldDrag::smallFieldSide;
    place(*dragged, dragsSmallField() ? side : draggedFieldWidth, dragsSmallField() ? side : draggedFieldHeight);
    leftFieldIcon.lock()->setFrame(makeRect(0, 0, draggedFieldGlyphWidth, draggedFieldHeight));
    rightFieldIcon.lock()->setFrame(
        makeRect(draggedFieldWidth - draggedFieldGlyphWidth, 0, draggedFieldGlyphWidth, draggedFieldHeight));
}

// MARK: Loading

void ZKPrepareFormFieldViewController::viewDidLoad()
{
    setupGestures();
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(shared_from_this(), platform::ui::ScreenNotifications::orientationDidChange, nullptr,
                       [weak = weak_from_this()](const platform::Notification&) {
                           if (const auto panel = weak.lock()) {
                               static_cast<ZKPrepareFormFieldViewController&>(*panel).handleOrientationChange();
                           }
                       });
    setupUI();
    hideGridsAnimatedCompletion(false, nullptr);
    setupFormFieldsArray();
    tableType_ = signersClosed;
    tableSizeState_ = maximized;
    stateBeforeDismissingTheView_ = maximized;
    setShouldEnableNonPrimaryFormFields(false);
    draggedField_.reset();
    if (!participants_.empty()) {
        currentSigner1_ = isDraft() ? participants_.front() : CeremonyFlow::sharedInstance()->currentRole();
    }
    const auto table = fieldsTableView();
    table->setDataSource(self());
    table->setDelegate(self());
    reloadRows();
    updateTitle();
    managePanelCondition();
    center.addObserver(shared_from_this(), SigningFlowRoleUpdate::name, nullptr,
                       [weak = weak_from_this()](const platform::Notification& notification) {
                           if (const auto panel = weak.lock()) {
                               static_cast<ZKPrepareFormFieldViewController&>(*panel).observerRoleSwitch(notification);
                           }
                       });
}

void ZKPrepareFormFieldViewController::setupGestures()
{
    const auto target = shared_from_this();
    const auto swipe = [this](platform::ui::GestureRecognizer& gesture) { handleSwipeGesture(gesture); };
    const auto edgePan = [this](platform::ui::GestureRecognizer& gesture) { handleEdgePanGesture(gesture); };
    leftSwipeGesture->setDirection(platform::ui::SwipeDirection::left);
    rightSwipeGesture->setDirection(platform::ui::SwipeDirection::right);
    leftSwipeGesture->addTarget(target, swipe);
    rightSwipeGesture->addTarget(target, swipe);
    leftEdgePanGesture->addTarget(target, edgePan);
    panelIndicatorPanGesture->addTarget(target, edgePan);
    panGesture->addTarget(target, [this](platform::ui::GestureRecognizer& gesture) { handleDragPanGesture(gesture); });
    panGesture->setDelegate(self());
    leftEdgePanGesture->setDelegate(self());
    const auto body = fieldsView.lock();
    body->addGestureRecognizer(leftSwipeGesture);
    body->addGestureRecognizer(rightSwipeGesture);
    view()->addGestureRecognizer(panGesture);
    view()->addGestureRecognizer(leftEdgePanGesture);
    tableRevealView.lock()->addGestureRecognizer(panelIndicatorPanGesture);
    rightSideMenuButton.lock()->addTarget(target, platform::ui::ControlEvent::touchUpInside,
                                          [this](platform::ui::Control& sender) { menuButtonTapped(sender); });
}

void ZKPrepareFormFieldViewController::setupFormFieldsArray()
{
    formFields_ = ZKPrepareFormFieldPalette::formFields(*ZKDesignerHelper::sharedInstance());
}

void ZKPrepareFormFieldViewController::managePanelCondition()
{
    if (!isSignerOnlyMode_) {
        afterDelay(designerMinimizeDelay, [](auto& panel) { panel.minimizePanelWithCompletionHandler(nullptr); });
        return;
    }
    disablePanelAnimated(false);
    if (participants_.size() >= 2) {
        stateBeforeDismissingTheView_ = hidden;
        afterDelay(signerOnlyEnableDelay, [](auto& panel) { panel.enablePanel(); });
    }
}

void ZKPrepareFormFieldViewController::updateTitle()
{
    signatureFieldsLabel.lock()->setText(localizedSDK(isSignerOnlyMode_ ? "Signers" : "Signature Fields"));
}

// MARK: What the hub and the viewer set

void ZKPrepareFormFieldViewController::setIsSignerOnlyMode(bool signerOnly)
{
    isSignerOnlyMode_ = signerOnly;
    if (isViewLoaded()) {
        reloadRows();
        updateTitle();
    }
}

void ZKPrepareFormFieldViewController::setShouldEnableNonPrimaryFormFields(bool enable)
{
    shouldEnableNonPrimaryFormFields_ = enable;
    const auto table = fieldsTableView();
    const auto row = table ? std::dynamic_pointer_cast<ZKSignatureFieldsTableViewCell>(
                                 table->cellForRow({0, signatureFieldsRow}))
                           : nullptr;
    if (row) {
        row->setEnableNonPrimaryFormFields(enable);
    }
}

void ZKPrepareFormFieldViewController::disableFormFields(bool disable)
{
    setShouldEnableNonPrimaryFormFields(!disable);
}

void ZKPrepareFormFieldViewController::setCurrentSignerIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(participants_.size())) {
        return;
    }
    currentSigner1_ = participants_[static_cast<std::size_t>(index)];
    if (isViewLoaded()) {
        reloadRows();
    }
}

bool ZKPrepareFormFieldViewController::switchToParticipantAtIndexEnableFormFields(long index, bool enable)
{
    if (index < 0 || index >= static_cast<long>(participants_.size())) {
        return false;
    }
    signerWasTapped(participants_[static_cast<std::size_t>(index)]->uid());
    setShouldEnableNonPrimaryFormFields(enable);
    return true;
}

// MARK: Size

void ZKPrepareFormFieldViewController::minimizePanelWithCompletionHandler(CompletionHandler handler)
{
    postSizeNotificationLater(ZKFieldsTableNotifications::minimize);
    slideBodyTo(minimizedBodyConstant, revealTabTuckedConstant, [this, handler = std::move(handler)] {
        tableSizeState_ = minimized;
        if (isSignerOnlyMode_) {
            expandSignersSection();
        }
        // A list cut at the bottom shows, as the panel comes to rest, that it scrolls.
        fieldsTableView()->flashScrollIndicators();
        if (handler) {
            handler();
        }
    });
}

void ZKPrepareFormFieldViewController::maximizePanelWithCompletionHandler(CompletionHandler handler)
{
    postSizeNotificationLater(ZKFieldsTableNotifications::maximize);
    slideBodyTo(0, revealTabTuckedConstant, [this, handler = std::move(handler)] {
        tableSizeState_ = maximized;
        fieldsTableView()->flashScrollIndicators();
        if (handler) {
            handler();
        }
    });
}

void ZKPrepareFormFieldViewController::hidePanelWithCompletionHandler(CompletionHandler handler)
{
    slideBodyTo(-fieldsView.lock()->bounds().width(), std::nullopt, [this, handler = std::move(handler)] {
        tableSizeState_ = hidden;
        if (handler) {
            handler();
        }
    });
}

void ZKPrepareFormFieldViewController::showIndicatorWithCompletionHandler(CompletionHandler handler)
{
    Animator::animate(
        sizeAnimationDuration,
        [this] {
            tableRevealViewLeftconstraint.lock()->setConstant(revealTabShownConstant);
            view()->layoutIfNeeded();
        },
        [handler = std::move(handler)](bool) {
            if (handler) {
                handler();
            }
        });
}

void ZKPrepareFormFieldViewController::hideIndicatorWithCompletionHandler(CompletionHandler handler)
{
    tableRevealViewLeftconstraint.lock()->setConstant(revealTabTuckedConstant);
    view()->layoutIfNeeded();
    if (handler) {
        handler();
    }
}

void ZKPrepareFormFieldViewController::slideBodyTo(double bodyConstant, std::optional<double> tabConstant,
                                                   std::function<void()> finished)
{
    const auto body = fieldsView.lock();
    body->setUserInteractionEnabled(false);
    Animator::animate(
        sizeAnimationDuration,
        [this, bodyConstant, tabConstant] {
            fieldsViewLeftConstraint.lock()->setConstant(bodyConstant);
            if (tabConstant) {
                tableRevealViewLeftconstraint.lock()->setConstant(*tabConstant);
            }
            view()->layoutIfNeeded();
        },
        [weak = weak_from_this(), body, finished = std::move(finished)](bool) {
            if (weak.lock()) {
                body->setUserInteractionEnabled(true);
                finished();
            }
        });
}

void ZKPrepareFormFieldViewController::placeAtOnce(double bodyConstant, double tabConstant)
{
    fieldsViewLeftConstraint.lock()->setConstant(bodyConstant);
    tableRevealViewLeftconstraint.lock()->setConstant(tabConstant);
    view()->layoutIfNeeded();
}

void ZKPrepareFormFieldViewController::postSizeNotificationLater(const char* name)
{
    afterDelay(sizeNotificationDelay, [name](auto&) {
        platform::NotificationCenter::defaultCenter().post(
            name, nullptr, {{ZKFieldsTableNotifications::animationDurationKey, rowAnimationDuration}});
    });
}

void ZKPrepareFormFieldViewController::disablePanelAnimated(bool animated)
{
    stateBeforeDismissingTheView_ = tableSizeState_;
    panelDisabled_ = true;
    if (animated) {
        hidePanelWithCompletionHandler(nullptr);
        hideIndicatorWithCompletionHandler(nullptr);
        return;
    }
    placeAtOnce(disabledBodyConstant, revealTabTuckedConstant);
    tableSizeState_ = hidden;
}

void ZKPrepareFormFieldViewController::enablePanel()
{
    panelDisabled_ = false;
    switch (stateBeforeDismissingTheView_) {
    case maximized:
        maximizePanelWithCompletionHandler(nullptr);
        return;
    case minimized:
        minimizePanelWithCompletionHandler(nullptr);
        return;
    case hidden:
        showIndicatorWithCompletionHandler(nullptr);
        return;
    default:
        panelDisabled_ = true;
    }
}

// A disabled panel stays off the screen: only enablePanel brings it back.
void ZKPrepareFormFieldViewController::handleOrientationChange()
{
    if (panelDisabled_) {
        return;
    }
    followFingerAfterTurn();
    switch (tableSizeState_) {
    case maximized:
        placeAtOnce(0, revealTabTuckedConstant);
        return;
    case minimized:
        placeAtOnce(minimizedBodyConstant, revealTabTuckedConstant);
        return;
    case hidden:
        placeAtOnce(-fieldsView.lock()->bounds().width(), revealTabShownConstant);
        return;
    default:
        return;
    }
}

// MARK: Gestures and buttons

void ZKPrepareFormFieldViewController::hideDraggedFieldView()
{
    const auto dragged = draggedFieldView.lock();
    dragged->setAlpha(0);
    dragged->setHidden(true);
    dragged->setTransform(platform::graphics::AffineTransform::identity());
}

void ZKPrepareFormFieldViewController::handleSwipeGesture(platform::ui::GestureRecognizer& gesture)
{
    hideDraggedFieldView();
    const auto direction = static_cast<platform::ui::SwipeGestureRecognizer&>(gesture).direction();
    if (direction == platform::ui::SwipeDirection::right) {
        if (tableSizeState_ == minimized) {
            maximizePanelWithCompletionHandler(nullptr);
        } else if (tableSizeState_ == hidden) {
            minimizePanelWithCompletionHandler(nullptr);
        }
        return;
    }
    if (tableSizeState_ == maximized) {
        minimizePanelWithCompletionHandler([this] { minimizeSignersSection(); });
    }
}

void ZKPrepareFormFieldViewController::handleEdgePanGesture(platform::ui::GestureRecognizer& gesture)
{
    auto& pan = static_cast<platform::ui::PanGestureRecognizer&>(gesture);
    const ZKPrepareFormFieldEdgePan edge(tableSizeState_ == hidden, pan.translationInView(view().get()).x);
    switch (pan.state()) {
    case platform::ui::GestureState::began:
        hideDraggedFieldView();
        hideIndicatorWithCompletionHandler(nullptr);
        return;
    case platform::ui::GestureState::changed:
        fieldsViewLeftConstraint.lock()->setConstant(edge.bodyConstant());
        view()->layoutIfNeeded();
        platform::NotificationCenter::defaultCenter().post(ZKFieldsTableNotifications::transitioning, nullptr,
                                                           {{ZKFieldsTableNotifications::progressKey, edge.progress()}});
        return;
    default:
        panGesture->setEnabled(true);
        if (edge.maximizesOnRelease()) {
            maximizePanelWithCompletionHandler([this] {
                if (isSignerOnlyMode_) {
                    expandSignersSection();
                }
            });
        } else {
            minimizePanelWithCompletionHandler(nullptr);
        }
    }
}

bool ZKPrepareFormFieldViewController::gestureRecognizerShouldBegin(platform::ui::GestureRecognizer& recognizer)
{
    if (panelDisabled_) {
        return false;
    }
    if (&recognizer == leftEdgePanGesture.get()) {
        const bool pulls = tableSizeState_ != maximized;
        panGesture->setEnabled(!pulls);
        return pulls;
    }
    if (&recognizer == panGesture.get()) {
        return dragMayBegin(*panGesture);
    }
    return true;
}

bool ZKPrepareFormFieldViewController::dragMayBegin(platform::ui::PanGestureRecognizer& pan)
{
    const auto velocity = pan.velocityInView(view().get());
    const bool leftward =
        velocity.x < 0 && std::trunc(std::abs(velocity.x)) > std::trunc(std::abs(velocity.y));
    if (leftward && tableSizeState_ == minimized) {
        tableSizeState_ = hidden;
        hidePanelWithCompletionHandler([this] { showIndicatorWithCompletionHandler(nullptr); });
    }
    if (leftward) {
        return false;
    }
    const auto item = itemForTouchWithLocation(pan.locationInView(view().get()));
    if (item.section != signatureFieldsRow || item.item() < 0 ||
        item.item() >= static_cast<int>(formFields_.size())) {
        return false;
    }
    return shouldEnableNonPrimaryFormFields_ || formFields_[static_cast<std::size_t>(item.item())]->isPrimaryFieldType();
}

platform::ui::IndexPath ZKPrepareFormFieldViewController::itemForTouchWithLocation(
    const platform::graphics::Point& location)
{
    const auto table = fieldsTableView();
    const auto row = table->indexPathForRow(view()->convertPointTo(location, table.get()));
    if (!row) {
        return {-1, -1};
    }
    const auto list = std::dynamic_pointer_cast<ZKPanelListCell>(table->cellForRow(*row));
    switch (row->row) {
    case currentSignerRow:
        return {currentSignerRow, 0};
    case signersRow:
    case signatureFieldsRow: {
        const long inner = list ? list->itemIndexForTouchAtLocation(view()->convertPointTo(location, list.get())) : -1;
        return {row->row, static_cast<int>(inner)};
    }
    default:
        return {-1, -1};
    }
}

// MARK: Dragging a palette item

void ZKPrepareFormFieldViewController::handleDragPanGesture(platform::ui::GestureRecognizer& gesture)
{
    auto& pan = static_cast<platform::ui::PanGestureRecognizer&>(gesture);
    switch (pan.state()) {
    case platform::ui::GestureState::began:
        beginDrag(pan);
        return;
    case platform::ui::GestureState::changed:
        moveDrag(pan);
        return;
    default:
        endDrag(pan);
    }
}

void ZKPrepareFormFieldViewController::beginDrag(platform::ui::PanGestureRecognizer& pan)
{
    hideDraggedFieldView();
    const auto item = itemForTouchWithLocation(pan.locationInView(view().get()));
    stateBeforeDismissingTheView_ = tableSizeState_;
    draggedField_ = formFields_.at(static_cast<std::size_t>(item.item()));
    leftFieldIcon.lock()->setText(draggedField_->fieldIcon());
    rightFieldIcon.lock()->setText(draggedField_->fieldIcon());
    sizeDraggedFieldForItem();
    if (const auto listener = delegate()) {
        listener->userDidBeginDraggingFormField(draggedField_);
    }
    dragInProgress_ = true;
    afterDelay(dragRevealDelay, [](ZKPrepareFormFieldViewController& panel) {
        if (!panel.dragInProgress_) {
            return;
        }
        const auto dragged = panel.draggedFieldView.lock();
        dragged->setHidden(false);
        dragged->setAlpha(0);
        Animator::animate(sizeAnimationDuration, [dragged] { dragged->setAlpha(1); });
        const auto body = panel.fieldsView.lock();
        panel.hidePanelWithCompletionHandler([body] { body->setHidden(false); });
        panel.showGridsAnimatedCompletion(true, nullptr);
    });
}

void ZKPrepareFormFieldViewController::sizeDraggedFieldForItem()
{
    const bool small = dragsSmallField();
    const double width = small ? ZKPrepareFormFieldDrag::smallFieldSide : draggedFieldWidth;
    const double height = small ? ZKPrepareFormFieldDrag::smallFieldSide : draggedFieldHeight;
    const auto dragged = draggedFieldView.lock();
    dragged->setBounds(makeRect(0, 0, width, height));
    dragged->setCenter(view()->bounds().center());
    leftFieldIcon.lock()->setHidden(small);
    rightFieldIcon.lock()->setHidden(small);
}

void ZKPrepareFormFieldViewController::moveDrag(platform::ui::PanGestureRecognizer& pan)
{
    const auto dragged = draggedFieldView.lock();
    const auto finger = pan.locationInView(view().get());
    if (dragsSmallField()) {
        // Under the finger, where it will land.
        const auto frame = ZKPrepareFormFieldDrag::smallFieldFrame(finger, view()->bounds().size);
        const auto middle = view()->bounds().center();
        dragged->setTransform(platform::graphics::AffineTransform::translation(frame.center().x - middle.x,
                                                                               frame.center().y - middle.y));
        updateGridPositionUsingLocationInField({finger.x - frame.minX(), finger.y - frame.minY()});
        return;
    }
    const ZKPrepareFormFieldDrag drag(pan.locationInView(view().get()), dragged->frame().size, view()->bounds().size);
    leftFieldIcon.lock()->setHidden(drag.fingerInLeftHalf());
    rightFieldIcon.lock()->setHidden(!drag.fingerInLeftHalf());
    const auto translation = drag.fieldTranslation();
    dragged->setTransform(platform::graphics::AffineTransform::translation(translation.x, translation.y));
    updateGridPositionUsingLocationInField(drag.fingerInField());
}

// The floating field and its guides stand by their offsets from the middle of the root
// view, which moves when the screen turns: put them back beside the finger, where a
// release now would place the field.
void ZKPrepareFormFieldViewController::followFingerAfterTurn()
{
    const auto window = view()->window();
    if (!dragInProgress_ || !window) {
        return;
    }
    window->layoutIfNeeded();
    moveDrag(*panGesture);
}

// Every release is reported, over a page or not: the viewer decides what it places.
void ZKPrepareFormFieldViewController::endDrag(platform::ui::PanGestureRecognizer& pan)
{
    dragInProgress_ = false;
    const auto frame = releasedFrame(pan.locationInView(view().get()));
    const auto dragged = draggedFieldView.lock();
    Animator::animate(
        sizeAnimationDuration, [dragged] { dragged->setAlpha(0); },
        [dragged](bool) {
            dragged->setHidden(true);
            dragged->setTransform(platform::graphics::AffineTransform::identity());
        });
    if (const auto listener = delegate()) {
        listener->userDidReleaseFormFieldFieldFrameViewToConvertLocationFrom(draggedField_, frame, view());
    }
    hideGridsAnimatedCompletion(true, nullptr);
    if (draggedField_ && draggedField_->isPrimaryFieldType()) {
        setShouldEnableNonPrimaryFormFields(true);
    }
    if (stateBeforeDismissingTheView_ == maximized) {
        maximizePanelWithCompletionHandler(nullptr);
        return;
    }
    minimizePanelWithCompletionHandler([this] { minimizeSignersSection(); });
}

bool ZKPrepareFormFieldViewController::dragsSmallField() const
{
    return draggedField_ && ZKNewFieldPlacement::keepsSizeAtEveryZoom(draggedField_->fieldType());
}

platform::graphics::Rect ZKPrepareFormFieldViewController::releasedFrame(const platform::graphics::Point& finger)
{
    if (dragsSmallField()) {
        return ZKPrepareFormFieldDrag::smallFieldFrame(finger, view()->bounds().size);
    }
    return draggedFieldView.lock()->frame();
}

void ZKPrepareFormFieldViewController::updateGridPositionUsingLocationInField(const platform::graphics::Point& location)
{
    const auto field = draggedFieldView.lock()->frame();
    const auto cross = dragsSmallField() ? platform::graphics::Point{field.minX() + location.x, field.minY() + location.y}
                                         : field.center();
    const auto middle = view()->bounds().center();
    horizontalGridView.lock()->setTransform(platform::graphics::AffineTransform::translation(0, cross.y - middle.y));
    verticalGridView.lock()->setTransform(platform::graphics::AffineTransform::translation(cross.x - middle.x, 0));
}

void ZKPrepareFormFieldViewController::showGridsAnimatedCompletion(bool animated, CompletionHandler completion)
{
    updateGridPositionUsingLocationInField({0, 0});
    const bool small = dragsSmallField();
    const auto guides = gridViews();
    for (const auto& guide : guides) {
        guide->setApplyPatternOnLine(small);
        guide->setApplyPatternOnBorder(!small);
        guide->setHidden(false);
    }
    fadeGrids(guides, 1, animated, std::move(completion));
}

void ZKPrepareFormFieldViewController::hideGridsAnimatedCompletion(bool animated, CompletionHandler completion)
{
    const auto guides = gridViews();
    fadeGrids(guides, 0, animated, [guides, completion = std::move(completion)] {
        for (const auto& guide : guides) {
            guide->setHidden(true);
        }
        if (completion) {
            completion();
        }
    });
}

std::vector<std::shared_ptr<ZKBorderedView>> ZKPrepareFormFieldViewController::gridViews() const
{
    return {horizontalGridView.lock(), verticalGridView.lock()};
}

void ZKPrepareFormFieldViewController::fadeGrids(const std::vector<std::shared_ptr<ZKBorderedView>>& guides,
                                                 double alpha, bool animated, CompletionHandler completion)
{
    const auto fade = [guides, alpha] {
        for (const auto& guide : guides) {
            guide->setAlpha(alpha);
        }
    };
    if (!animated) {
        fade();
        if (completion) {
            completion();
        }
        return;
    }
    Animator::animate(sizeAnimationDuration, fade, [completion = std::move(completion)](bool) {
        if (completion) {
            completion();
        }
    });
}

void ZKPrepareFormFieldViewController::reportLeftMenuToggle() const
{
    if (isDraft()) {
        ZKTracker::reportEvent("Expand/Collapse left menu");
    }
}

void ZKPrepareFormFieldViewController::menuButtonTapped(platform::ui::Control&)
{
    reportLeftMenuToggle();
    if (tableSizeState_ == maximized) {
        minimizePanelWithCompletionHandler([this] { minimizeSignersSection(); });
    } else if (tableSizeState_ == minimized) {
        maximizePanelWithCompletionHandler(nullptr);
    }
}

void ZKPrepareFormFieldViewController::revealButtonTapped(platform::ui::Control&)
{
    minimizePanelWithCompletionHandler(nullptr);
}

// MARK: Rows

void ZKPrepareFormFieldViewController::maximizingSignersRequested()
{
    reportLeftMenuToggle();
    if (tableSizeState_ == maximized) {
        reloadRows();
        tableType_ = signersOpen;
        animateRowHeights();
    } else if (tableSizeState_ == minimized) {
        if (isSignerOnlyMode_) {
            expandSignersSection();
        } else {
            maximizePanelWithCompletionHandler([this] { expandSignersSection(); });
        }
    }
}

void ZKPrepareFormFieldViewController::minimizingSignersRequested()
{
    if (isSignerOnlyMode_) {
        return;
    }
    reportLeftMenuToggle();
    tableType_ = signersClosed;
    animateRowHeights();
}

void ZKPrepareFormFieldViewController::expandSignersSection()
{
    if (participants_.size() < 2) {
        return;
    }
    reloadRows();
    tableType_ = signersOpen;
    animateRowHeights();
    showSignersOpenOnRowZero(true);
}

void ZKPrepareFormFieldViewController::minimizeSignersSection()
{
    // Outside drafts the list of roles is what the panel is for: it stays open.
    tableType_ = isSignerOnlyMode_ ? signersOpen : signersClosed;
    animateRowHeights();
    showSignersOpenOnRowZero(false);
}

std::shared_ptr<ZKCurrentSignerTableViewCell> ZKPrepareFormFieldViewController::currentSignerCell() const
{
    return std::dynamic_pointer_cast<ZKCurrentSignerTableViewCell>(
        fieldsTableView()->cellForRow({0, currentSignerRow}));
}

void ZKPrepareFormFieldViewController::showSignersOpenOnRowZero(bool open) const
{
    if (const auto row = currentSignerCell()) {
        row->arrowIcon.lock()->setText(open ? ZKCurrentSignerTableViewCell::closeArrow
                                            : ZKCurrentSignerTableViewCell::openArrow);
        row->isInExpandedMode = open;
    }
}

void ZKPrepareFormFieldViewController::animateRowHeights()
{
    const auto table = fieldsTableView();
    table->beginUpdates();
    table->endUpdates();
    layoutBody(view()->bounds());
}

void ZKPrepareFormFieldViewController::reloadRows()
{
    fieldsTableView()->reloadData();
    layoutBody(view()->bounds());
}

void ZKPrepareFormFieldViewController::signerWasTapped(const std::string& uid)
{
    if (!isDraft()) {
        CeremonyFlow::sharedInstance()->tryToMoveToRoleWithUid(uid);
        return;
    }
    ZKTracker::reportEvent("Switch recipient");
    if (participants_.empty()) {
        return;
    }
    const auto found = std::find_if(participants_.begin(), participants_.end(),
                                    [&uid](const auto& participant) { return participant->uid() == uid; });
    const long index = found == participants_.end() ? 0 : found - participants_.begin();
    setShouldEnableNonPrimaryFormFields(false);
    currentSigner1_ = participants_[static_cast<std::size_t>(index)];
    if (const auto row = currentSignerCell()) {
        updateCurrentSignerCell(*row);
    }
    minimizeSignersSection();
    if (const auto listener = delegate()) {
        listener->userDidSelectNewParticipantAtIndex(index);
    }
    if (isSignerOnlyMode_) {
        reloadRows();
    }
}

void ZKPrepareFormFieldViewController::signatureFieldWasTappedAtIndex(long index)
{
    if (index < 0 || index >= static_cast<long>(formFields_.size())) {
        return;
    }
    const auto field = formFields_[static_cast<std::size_t>(index)];
    if (const auto listener = delegate()) {
        listener->userDidTapOnFormFieldViewToConvertLocationFrom(field, view());
    }
    if (field->isPrimaryFieldType()) {
        setShouldEnableNonPrimaryFormFields(true);
    }
}

void ZKPrepareFormFieldViewController::observerRoleSwitch(const platform::Notification& notification)
{
    const auto& info = notification.userInfo;
    const auto switchId = info.is_object() ? info.find(SigningFlowRoleUpdate::switchIdKey) : info.end();
    if (switchId == info.end() || !switchId->is_string() ||
        (*switchId != SigningFlowRoleUpdate::manuallySwitched && *switchId != SigningFlowRoleUpdate::autoSwitched)) {
        return;
    }
    ZKLogger::logLevel("Switching to role " + textOf(info, SigningFlowRoleUpdate::roleUidKey), roleSwitchLogLevel);
    reloadRows();
}

// MARK: Table

int ZKPrepareFormFieldViewController::numberOfRows(platform::ui::TableView&, int)
{
    return rowCount;
}

std::optional<double> ZKPrepareFormFieldViewController::heightForRow(platform::ui::TableView&,
                                                                     const platform::ui::IndexPath& indexPath)
{
    const double count = static_cast<double>(participants_.size());
    switch (indexPath.row) {
    case currentSignerRow:
        return participants_.empty() ? 0 : rowHeight;
    case signersRow:
        // A list of no other signer (none at all, after a reload) is closed, not negative.
        return tableType_ == signersClosed ? 0 : std::max(0.0, (count - 1) * rowHeight + 2);
    case signatureFieldsRow:
        return isSignerOnlyMode_ ? 0 : static_cast<double>(formFields_.size()) * rowHeight;
    default:
        return std::nullopt;
    }
}

platform::ui::TableViewCellPtr ZKPrepareFormFieldViewController::cellForRow(platform::ui::TableView& table,
                                                                            const platform::ui::IndexPath& indexPath)
{
    switch (indexPath.row) {
    case currentSignerRow: {
        const auto row = std::static_pointer_cast<ZKCurrentSignerTableViewCell>(
            table.dequeueReusableCell(ZKCurrentSignerTableViewCell::identifier, indexPath));
        row->setDelegate(self());
        updateCurrentSignerCell(*row);
        return row;
    }
    case signersRow: {
        const auto row = table.dequeueReusableCell(ZKSignersTableViewCell::identifier, indexPath);
        fillSignersCell(*row);
        return row;
    }
    case signatureFieldsRow: {
        const auto row = table.dequeueReusableCell(ZKSignatureFieldsTableViewCell::identifier, indexPath);
        fillSignatureFieldsCell(*row);
        return row;
    }
    default:
        return std::make_shared<platform::ui::TableViewCell>();
    }
}

void ZKPrepareFormFieldViewController::updateCurrentSignerCell(ZKCurrentSignerTableViewCell& cell)
{
    const auto participant = currentParticipant();
    if (!participant) {
        return;
    }
    const auto glyph = ZKSignerBadge::roleGlyph(*participant);
    cell.signerNameLabel.lock()->setText(participant->nameDisplay());
    cell.signerInitialsLabel.lock()->setText(ZKSignerBadge::initials(*participant));
    cell.signerIconLeft.lock()->setText(glyph);
    cell.signerIconLeftSmall.lock()->setText(glyph);
    cell.arrowIcon.lock()->setHidden(participants_.size() < 2 || isSignerOnlyMode_);
    cell.contentView()->setBackgroundColor(isSignerOnlyMode_ ? ZKPrepareFormFieldLook::signerOnlyCurrentSigner()
                                                             : participant->editColor());
}

void ZKPrepareFormFieldViewController::fillSignersCell(platform::ui::TableViewCell& cell)
{
    auto& row = static_cast<ZKSignersTableViewCell&>(cell);
    auto others = participants_;
    if (const auto current = currentParticipant()) {
        const auto same = std::find_if(others.begin(), others.end(),
                                       [&current](const auto& participant) { return participant->uid() == current->uid(); });
        if (same != others.end()) {
            others.erase(same);
        }
    }
    row.setDelegate(self());
    row.setIsInShrinkedMode(tableSizeState_ != maximized);
    row.setParticipants(others);
}

void ZKPrepareFormFieldViewController::fillSignatureFieldsCell(platform::ui::TableViewCell& cell)
{
    auto& row = static_cast<ZKSignatureFieldsTableViewCell&>(cell);
    row.setDelegate(self());
    row.setIsInShrinkedMode(tableSizeState_ != maximized);
    row.setEnableNonPrimaryFormFields(shouldEnableNonPrimaryFormFields_);
    row.setFormFields(formFields_);
}

// MARK: Utilities

int ZKPrepareFormFieldViewController::indexOfViewForType(const std::string& type)
{
    static const std::vector<std::pair<std::string, int>> places{
        {"SIGNATURE", 0}, {"TextBox", 2}, {"CheckBox", 3}, {"Radio", 4}, {"TextArea", 5}, {"List", 6}};
    const auto found =
        std::find_if(places.begin(), places.end(), [&type](const auto& place) { return place.first == type; });
    return found == places.end() ? 0 : found->second;
}

platform::graphics::ImagePtr ZKPrepareFormFieldViewController::snapshotFromView(const View& view)
{
    return view.snapshotImage(platform::ui::Screen::main().scale(), false);
}

#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"

#include "DataManager/ZKDataManager.h"
#include "composer/CellPhoneNumberRules.h"
#include "composer/DocumentFileImport.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocumentCell.h"
#include "composer/screens/CreateTransactionAddRecipientCell.h"
#include "composer/screens/CreateTransactionBarButton.h"
#include "composer/screens/CreateTransactionAddSignerPageInput.h"
#include "composer/screens/CreateTransactionDocumentHeaderCell.h"
#include "composer/screens/CreateTransactionDocumentListCell.h"
#include "composer/screens/CreateTransactionEmailMessageCell.h"
#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "composer/screens/CreateTransactionRecipientListCell.h"
#include "composer/screens/CreateTransactionSettingsVC.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "composer/screens/CreateTransactionTransactionNameCell.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "foundation/AtomicFile.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "sdk/VTFacadeServices.h"
#include "sdk/VeltraDelegate.h"
#include "sdk/screens/VLTOpenInPreviewController.h"
#include "sdk/screens/VTAlertView.h"
#include "sdk/screens/VTKeyboardInsets.h"
#include "support/LocalizedSDK.h"
#include "support/MainQueue.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"
#include "support/ZKUtil.h"
#include "ui/Animator.h"
#include "ui/Application.h"
#include "ui/Keyboard.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/StoryboardSegue.h"


using platform::graphics::AttributedString;
using platform::graphics::Color;
using platform::graphics::Font;
using platform::graphics::makeRect;
using platform::ui::Button;
using platform::ui::ControlEvent;
using platform::ui::IndexPath;
using platform::ui::View;

namespace {

constexpr double nextButtonWidth = 48;
constexpr double barButtonWidth = 76;
constexpr double regularNextSize = 72;
constexpr double regularNextMargin = 24;
constexpr double nextGlyphSize = 28;

bool isRegularByRegular()
{
    return platform::ui::Screen::main().traitCollection().isRegularByRegular();
}

std::string withoutPdfExtensions(std::string name)
{
    for (auto found = name.find(".pdf"); found != std::string::npos; found = name.find(".pdf", found)) {
        name.erase(found, 4);
    }
    return name;
}

} // namespace

CreateTransactionAddDocsAndSignersPage::CreateTransactionAddDocsAndSignersPage()
    : tapGesture(std::make_shared<platform::ui::TapGestureRecognizer>())
{
    registerUnwindAction(CreateTransactionStoryboard::unwindToMainPageAction,
                         [this](platform::ui::StoryboardSegue& segue) { unwindToCreateTransactionPageWithSegue(segue); });
}

std::shared_ptr<CreateTransactionAddDocsAndSignersPage> CreateTransactionAddDocsAndSignersPage::self()
{
    return std::static_pointer_cast<CreateTransactionAddDocsAndSignersPage>(shared_from_this());
}

std::weak_ptr<CreateTransactionAddDocsAndSignersPage> CreateTransactionAddDocsAndSignersPage::weakSelf()
{
    return self();
}

std::shared_ptr<VLTNewTransactionViewModel> CreateTransactionAddDocsAndSignersPage::model()
{
    return VLTNewTransactionViewModel::sharedInstance();
}

// Views

void CreateTransactionAddDocsAndSignersPage::loadView()
{
    auto root = std::make_shared<View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(CreateTransactionLook::pageBackground());
    makeTable(*root);
    auto blur = std::make_shared<platform::ui::VisualEffectView>();
    blur->setHidden(true);
    root->addSubview(blur);
    blurView = blur;
    // Above the blur: while the name row is open the round button is its Done.
    makeRegularNextButton(*root);
    makeTopBar(*root);
    statusBarView = std::make_shared<View>();
    statusBarView->setBackgroundColor(CreateTransactionLook::bar());
    root->addSubview(statusBarView);
    setView(root);
}

void CreateTransactionAddDocsAndSignersPage::makeTopBar(View& root)
{
    auto bar = std::make_shared<View>();
    bar->setBackgroundColor(CreateTransactionLook::bar());
    auto close = CreateTransactionBarButton::make(localizedSDK("Close"));
    auto title = std::make_shared<Button>();
    title->setTitleColor(Color::white());
    title->titleLabel()->setFont(Font::systemFont(18));
    title->titleLabel()->setAdjustsFontSizeToFitWidth(true);
    title->titleLabel()->setMinimumScaleFactor(0.5);
    auto settings = CreateTransactionBarButton::make(localizedSDK("Settings"));
    auto next = std::make_shared<Button>();
    next->setTitleColor(Color::white());
    next->titleLabel()->setFont(CreateTransactionLook::iconFont(nextGlyphSize));
    auto regularSettings = CreateTransactionBarButton::make(localizedSDK("Settings"));
    compactBarControls_ = std::make_shared<View>();
    compactBarControls_->addSubview(settings);
    compactBarControls_->addSubview(next);
    regularBarControls_ = std::make_shared<View>();
    regularBarControls_->addSubview(regularSettings);
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{close, title, compactBarControls_,
                                                                         regularBarControls_}) {
        bar->addSubview(view);
    }
    root.addSubview(bar);
    topBar = bar;
    closeButton = close;
    transactionNameButton = title;
    settingsButton = settings;
    nextButton = next;
    iPadSettingsButton = regularSettings;
}

void CreateTransactionAddDocsAndSignersPage::makeTable(View& root)
{
    auto table = std::make_shared<platform::ui::TableView>(platform::ui::TableViewStyle::plain);
    table->setBackgroundColor(CreateTransactionLook::pageBackground());
    registerCells(*table);
    root.addSubview(table);
    tableView = table;
}

void CreateTransactionAddDocsAndSignersPage::makeRegularNextButton(View& root)
{
    regularNextArea_ = std::make_shared<View>();
    auto area = std::make_shared<View>();
    area->setBackgroundColor(CreateTransactionLook::accent());
    area->layer().setCornerRadius(regularNextSize / 2);
    auto icon = std::make_shared<platform::ui::Label>();
    icon->setFont(CreateTransactionLook::iconFont(nextGlyphSize + 4));
    icon->setTextColor(Color::white());
    icon->setTextAlignment(platform::graphics::TextAlignment::center);
    auto button = std::make_shared<Button>();
    area->addSubview(icon);
    area->addSubview(button);
    regularNextArea_->addSubview(area);
    root.addSubview(regularNextArea_);
    iPadNextButtonView = area;
    iPadNextButtonIcon = icon;
    iPadNextButton = button;
}

void CreateTransactionAddDocsAndSignersPage::registerCells(platform::ui::TableView& table)
{
    table.registerCell(nameCellIdentifier,
                       [] { return std::make_shared<CreateTransactionTransactionNameCell>(nameCellIdentifier); });
    table.registerCell(addDocumentsCellIdentifier,
                       [] { return std::make_shared<CreateTransactionAddDocumentCell>(addDocumentsCellIdentifier); });
    table.registerCell(documentsHeaderCellIdentifier, [] {
        return std::make_shared<CreateTransactionDocumentHeaderCell>(documentsHeaderCellIdentifier);
    });
    table.registerCell(addRecipientsCellIdentifier, [] {
        return std::make_shared<CreateTransactionAddRecipientCell>(addRecipientsCellIdentifier);
    });
    table.registerCell(emailToAllCellIdentifier,
                       [] { return std::make_shared<CreateTransactionEmailMessageCell>(emailToAllCellIdentifier); });
    table.registerCell(documentListCellIdentifier, [] {
        return std::make_shared<CreateTransactionDocumentListCell>(documentListCellIdentifier);
    });
    table.registerCell(recipientListCellIdentifier, [] {
        return std::make_shared<CreateTransactionRecipientListCell>(recipientListCellIdentifier);
    });
}

void CreateTransactionAddDocsAndSignersPage::viewDidLayoutSubviews()
{
    const auto bounds = view()->bounds();
    const double top = view()->safeAreaInsets().top;
    const double bottom = view()->safeAreaInsets().bottom;
    const bool regular = isRegularByRegular();
    statusBarView->setFrame(makeRect(0, 0, bounds.width(), top));
    layoutTopBar(top, bounds.width(), ZKScreen::withinSafeSides(*view(), bounds));
    const double tableTop = top + ZKScreen::kTopBarHeight;
    const auto table = tableView.lock();
    table->setFrame(makeRect(0, tableTop, bounds.width(), bounds.height() - tableTop - bottom));
    applyTableInset();
    const double nameRowHeight = regular ? CreateTransactionPageRowHeights::openNameRowHeightRegular
                                         : CreateTransactionPageRowHeights::openNameRowHeightCompact;
    blurView.lock()->setFrame(
        makeRect(0, tableTop + nameRowHeight, bounds.width(), std::max(0.0, bounds.height() - tableTop - nameRowHeight)));
    regularNextArea_->setHidden(!regular);
    regularNextArea_->setFrame(makeRect(bounds.width() - regularNextSize - regularNextMargin,
                                        bounds.height() - bottom - regularNextSize - regularNextMargin,
                                        regularNextSize, regularNextSize));
    const auto area = makeRect(0, 0, regularNextSize, regularNextSize);
    iPadNextButtonView.lock()->setFrame(area);
    iPadNextButtonIcon.lock()->setFrame(area);
    iPadNextButton.lock()->setFrame(area);
    if (const auto container = view()->superview()) {
        container->layer().setCornerRadius(0);
    }
    const bool landscape = ZKScreen::isInLanscapeOrientation();
    // The document list's height follows the orientation. Only the heights are laid out
    // again: a reload would take the name field being typed in off the screen, and close
    // its row.
    if (laidOutInLandscape_ && *laidOutInLandscape_ != landscape) {
        updateCellHeights();
    }
    laidOutInLandscape_ = landscape;
}

void CreateTransactionAddDocsAndSignersPage::layoutTopBar(double top, double width,
                                                          const platform::graphics::Rect& safeBand)
{
    const bool regular = isRegularByRegular();
    topBar.lock()->setFrame(makeRect(0, top, width, ZKScreen::kTopBarHeight));
    const double height = ZKScreen::kTopBarHeight;
    const double left = safeBand.minX();
    closeButton.lock()->setFrame(makeRect(left + 4, 0, barButtonWidth, height));
    compactBarControls_->setHidden(regular);
    regularBarControls_->setHidden(!regular);
    const double controlsWidth = regular ? barButtonWidth + 8 : barButtonWidth + nextButtonWidth + 4;
    const double controlsLeft = safeBand.maxX() - controlsWidth;
    compactBarControls_->setFrame(makeRect(controlsLeft, 0, controlsWidth, height));
    regularBarControls_->setFrame(makeRect(controlsLeft, 0, controlsWidth, height));
    settingsButton.lock()->setFrame(makeRect(0, 0, barButtonWidth, height));
    nextButton.lock()->setFrame(makeRect(barButtonWidth, 0, nextButtonWidth, height));
    iPadSettingsButton.lock()->setFrame(makeRect(0, 0, barButtonWidth, height));
    const double titleLeft = left + 4 + barButtonWidth + 4;
    transactionNameButton.lock()->setFrame(makeRect(titleLeft, 0, controlsLeft - titleLeft - 4, height));
}

// Loading

void CreateTransactionAddDocsAndSignersPage::viewDidLoad()
{
    settingsButton.lock()->layer().setBorderWidth(0);
    settingsButton.lock()->layer().setCornerRadius(0);
    settingsButton.lock()->setClipsToBounds(true);
    transactionNameButton.lock()->titleLabel()->setTextAlignment(
        isRegularByRegular() ? platform::graphics::TextAlignment::left : platform::graphics::TextAlignment::center);
    wireActions();
    observeNotifications();
    tapGesture->setCancelsTouchesInView(false);
    view()->addGestureRecognizer(tapGesture);
    loadTransaction();
    manageNextButton();
    model()->setDelegate(self());
    CellPhoneNumberRules::warmUp();
    if (!ZKUtil::isiPhoneX()) {
        statusBarView->setBackgroundColor(Color::black());
    }
}

void CreateTransactionAddDocsAndSignersPage::wireActions()
{
    const auto page = self();
    const auto on = [&page](const std::weak_ptr<Button>& button, void (CreateTransactionAddDocsAndSignersPage::*action)(
                                                                      platform::ui::Control&)) {
        button.lock()->addTarget(page, ControlEvent::touchUpInside,
                                 [raw = page.get(), action](platform::ui::Control& sender) { (raw->*action)(sender); });
    };
    on(nextButton, &CreateTransactionAddDocsAndSignersPage::nextButtonTappedWithSender);
    on(iPadNextButton, &CreateTransactionAddDocsAndSignersPage::nextButtonTappedWithSender);
    on(closeButton, &CreateTransactionAddDocsAndSignersPage::closeButtonTappedWithSender);
    on(transactionNameButton, &CreateTransactionAddDocsAndSignersPage::transactionNameButtonTappedWithSender);
    on(settingsButton, &CreateTransactionAddDocsAndSignersPage::settingsButtonTappedWithSender);
    on(iPadSettingsButton, &CreateTransactionAddDocsAndSignersPage::settingsButtonTappedWithSender);
    tapGesture->addTarget(page, [raw = page.get()](platform::ui::GestureRecognizer&) { raw->handleTapGesture(); });
    const auto table = tableView.lock();
    table->setDataSource(page);
    table->setDelegate(page);
}

void CreateTransactionAddDocsAndSignersPage::observeNotifications()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto weak = weakSelf();
    center.addObserver(self(), CreateTransactionNotifications::transactionNameDidBeginEditing, nullptr,
                       [weak](const platform::Notification&) {
                           if (const auto page = weak.lock()) {
                               page->transactionNameDidBeginEditing();
                           }
                       });
    center.addObserver(self(), ZKDataManager::kTemplateDraftNotification, nullptr,
                       [weak](const platform::Notification& notification) {
                           if (const auto page = weak.lock()) {
                               page->didReceivenewTemplateNotificationWithNotification(notification);
                           }
                       });
}

void CreateTransactionAddDocsAndSignersPage::loadTransaction()
{
    VTAlertView::sharedInstance()->showBlockingMessage(localizedSDK("Loading Transaction..."));
    const auto weak = weakSelf();
    model()->loadDataForTransactionWithCallback([weak](const std::optional<Dictionary>& error) {
        runOnMainQueue([weak, error] {
            if (const auto page = weak.lock()) {
                page->finishLoading(error);
                page->reportScreenName();
            }
        });
    });
}

void CreateTransactionAddDocsAndSignersPage::finishLoading(const std::optional<Dictionary>& error)
{
    platform::RunLoop::main().assertMainThread("The loaded transaction's page update");
    loadingFinished_ = true;
    VTAlertView::sharedInstance()->hideBlockingMessage();
    if (error) {
        VTFacadeServices::installed().exitSDK();
        leave();
        return;
    }
    const auto title = model()->title();
    if (title) {
        setTransactionName(*title);
        shouldRevealTransactionNameCell = false;
        hideBlurView(false);
    } else {
        shouldRevealTransactionNameCell = true;
        showBlurView(false);
        setTransactionName(localizedSDK("Transaction"));
    }
    tableView.lock()->reloadData();
    manageNextButton();
}

void CreateTransactionAddDocsAndSignersPage::reportScreenName()
{
    isEditingTransaction = model()->transactionId().has_value();
    ZKTracker::reportScreen(*isEditingTransaction ? "Transaction Edit Page" : "Create Transaction Page");
}

void CreateTransactionAddDocsAndSignersPage::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    model()->removeAllGroups();
    model()->updateGroups();
}

void CreateTransactionAddDocsAndSignersPage::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto weak = weakSelf();
    foregroundObserver_ = center.addObserver(self(), platform::ui::ApplicationNotifications::willEnterForeground,
                                             nullptr, [weak](const platform::Notification&) {
                                                 if (const auto page = weak.lock()) {
                                                     page->willEnterForeground();
                                                 }
                                             });
    keyboardObserver_ = center.addObserver(self(), platform::ui::KeyboardNotifications::willHide, nullptr,
                                           [weak](const platform::Notification&) {
                                               if (const auto page = weak.lock()) {
                                                   page->keyboardWillDismiss();
                                               }
                                           });
    keyboardShowObserver_ = center.addObserver(self(), platform::ui::KeyboardNotifications::didShow, nullptr,
                                               [weak](const platform::Notification& notification) {
                                                   if (const auto page = weak.lock()) {
                                                       page->keyboardDidShow(notification);
                                                   }
                                               });
}

void CreateTransactionAddDocsAndSignersPage::viewDidDisappear(bool animated)
{
    ViewController::viewDidDisappear(animated);
    auto& center = platform::NotificationCenter::defaultCenter();
    for (auto* observer : {&foregroundObserver_, &keyboardObserver_, &keyboardShowObserver_}) {
        if (*observer) {
            center.removeObserver(**observer);
            observer->reset();
        }
    }
}

platform::ui::OrientationMask CreateTransactionAddDocsAndSignersPage::supportedInterfaceOrientations() const
{
    return platform::ui::OrientationMask::all;
}

platform::ui::StatusBarStyle CreateTransactionAddDocsAndSignersPage::preferredStatusBarStyle() const
{
    return platform::ui::StatusBarStyle::lightContent;
}

// Next button

bool CreateTransactionAddDocsAndSignersPage::isTransactionValid()
{
    setNextGlyph(nextGlyph);
    const auto current = model();
    const auto title = current->title();
    return title && !title->empty() && current->documentsNumber() >= 1 && current->signersNumber() >= 1 &&
           !current->hasPlaceholder();
}

void CreateTransactionAddDocsAndSignersPage::setNextGlyph(const std::string& glyph)
{
    nextButton.lock()->setTitle(glyph);
    iPadNextButtonIcon.lock()->setText(glyph);
}

void CreateTransactionAddDocsAndSignersPage::showNextButtons(bool visible)
{
    nextButton.lock()->setHidden(!visible);
    iPadNextButtonView.lock()->setHidden(!visible);
}

void CreateTransactionAddDocsAndSignersPage::manageNextButton()
{
    if (firstTimeManagingTheNextButtonAfterViewDidLoad) {
        firstNextButtonPass();
        firstTimeManagingTheNextButtonAfterViewDidLoad = false;
        return;
    }
    if (shouldRevealTransactionNameCell) {
        showNextButtons(true);
        setNextGlyph(doneGlyph);
        return;
    }
    showNextButtons(isTransactionValid());
}

void CreateTransactionAddDocsAndSignersPage::firstNextButtonPass()
{
    if (const auto title = model()->title()) {
        shouldRevealTransactionNameCell = false;
        hideBlurView(true);
        showNextButtons(isTransactionValid());
        setTransactionName(*title);
        return;
    }
    showNextButtons(false);
    setNextGlyph(doneGlyph);
    shouldRevealTransactionNameCell = true;
    tableView.lock()->reloadData();
    showBlurView(false);
}

// A field still being edited (the name, the message to all) hands its text to the model
// only when its editing ends: every way out of the page ends it first.
void CreateTransactionAddDocsAndSignersPage::nextButtonTappedWithSender(platform::ui::Control&)
{
    view()->endEditing(true);
    if (!shouldRevealTransactionNameCell) {
        startTransaction();
        ZKTracker::reportEvent("Next button");
        return;
    }
    const auto title = model()->title();
    if (title && !title->empty()) {
        shouldRevealTransactionNameCell = false;
        hideBlurView(true);
        ZKTracker::reportEvent("Done button");
    }
    manageNextButton();
}

void CreateTransactionAddDocsAndSignersPage::startTransaction()
{
    model()->startNewTransaction([](const std::string& failure) { showStoreFailure(failure); });
}

void CreateTransactionAddDocsAndSignersPage::showStoreFailure(const std::string& description)
{
    VTAlertView::sharedInstance()->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(
        localizedSDK("Error"), description.empty() ? localizedSDK("The transaction could not be stored.") : description,
        localizedSDK("OK"));
}

// Close and leaving

void CreateTransactionAddDocsAndSignersPage::closeButtonTappedWithSender(platform::ui::Control&)
{
    view()->endEditing(true);
    if (loadingFinished_) {
        ZKTracker::reportEvent("Close button");
    }
    // A failed store is answered before the commit returns; the page then stays, so the
    // sender can take out what the store refused and keep the rest.
    const auto failure = std::make_shared<std::optional<std::string>>();
    model()->commitUpdatesWithCallback([failure](const Dictionary& details) {
        *failure = VLTNewTransactionViewModel::failureDescriptionOf(details);
    });
    if (*failure) {
        showStoreFailure(**failure);
        return;
    }
    if (const auto listener = delegate()) {
        listener->createTransactionPageCloseButtonTappedWithCreateTransactionVC(self());
    }
    if (const auto host = VTFacadeServices::installed().delegate()) {
        host->didExitSDK(model()->currentTransactionInfo());
    }
    leave();
}

void CreateTransactionAddDocsAndSignersPage::leave()
{
    if (const auto navigation = navigationController()) {
        navigation->popViewController(true);
        return;
    }
    dismiss(true);
}

// Title and name row

void CreateTransactionAddDocsAndSignersPage::transactionNameButtonTappedWithSender(platform::ui::Control&)
{
    shouldRevealTransactionNameCell = !shouldRevealTransactionNameCell;
    const auto title = model()->title();
    if (!title || title->empty()) {
        shouldRevealTransactionNameCell = true;
    }
    if (shouldRevealTransactionNameCell) {
        showBlurView(true);
        nextButton.lock()->setHidden(true);
    } else {
        hideBlurView(true);
        manageNextButton();
    }
    updateCellHeights();
}

void CreateTransactionAddDocsAndSignersPage::setTransactionName(const std::string& transactionName)
{
    AttributedString title;
    if (Font::isFontAvailable(titleFontName)) {
        title.append(transactionName, Font(titleFontName, 18), Color::white());
    } else {
        title.append(transactionName, std::nullopt, Color::white());
    }
    if (Font::isFontAvailable(CreateTransactionLook::iconFont(14).name())) {
        title.append(" ", std::nullopt, Color::white());
        title.append("x", CreateTransactionLook::iconFont(14), Color::white());
    } else {
        title.append(" \u25BC", std::nullopt, Color::white());
    }
    transactionNameButton.lock()->setAttributedTitle(title);
}

void CreateTransactionAddDocsAndSignersPage::showBlurView(bool animated)
{
    const auto table = tableView.lock();
    table->setScrollEnabled(false);
    iPadSettingsButton.lock()->setHidden(true);
    table->scrollRectToVisible(makeRect(0, 0, 1, 1), true);
    const auto blur = blurView.lock();
    if (!animated) {
        blur->setHidden(false);
        blur->setEffect(platform::ui::VisualEffect{platform::ui::BlurStyle::light});
        return;
    }
    if (blur->isHidden()) {
        blur->setHidden(false);
        blur->setEffect(std::nullopt);
    }
    platform::ui::Animator::animate(blurAnimationDuration, [&] {
        blur->setEffect(platform::ui::VisualEffect{platform::ui::BlurStyle::light});
    });
}

void CreateTransactionAddDocsAndSignersPage::hideBlurView(bool animated)
{
    iPadSettingsButton.lock()->setHidden(false);
    tableView.lock()->setScrollEnabled(true);
    const auto blur = blurView.lock();
    if (!animated) {
        blur->setHidden(true);
        blur->setEffect(std::nullopt);
        return;
    }
    // A blur asked for again during the fade interrupts it, and must stay.
    platform::ui::Animator::animate(blurAnimationDuration, [&] { blur->setEffect(std::nullopt); },
                                    [weak = std::weak_ptr<platform::ui::VisualEffectView>(blur)](bool finished) {
                                        const auto view = weak.lock();
                                        if (finished && view) {
                                            view->setHidden(true);
                                            view->setEffect(std::nullopt);
                                        }
                                    });
}

void CreateTransactionAddDocsAndSignersPage::updateCellHeights()
{
    const auto table = tableView.lock();
    table->beginUpdates();
    table->endUpdates();
}

// The settings page changes only what the name row and the message row show.
void CreateTransactionAddDocsAndSignersPage::shouldUpdateTransactionNameTo(const std::optional<std::string>& newName)
{
    if (newName) {
        setTransactionName(*newName);
        shouldRevealTransactionNameCell = false;
        hideBlurView(false);
    } else {
        shouldRevealTransactionNameCell = true;
        showBlurView(true);
        setTransactionName(localizedSDK("Transaction"));
    }
    reloadRows({Row::name, Row::messageToAll});
    manageNextButton();
}

void CreateTransactionAddDocsAndSignersPage::transactionNameCellDidRequestBlurView(bool visible, bool animated,
                                                                                   CreateTransactionTransactionNameCell&)
{
    CreateTransactionUtil::runBlockafterDelay(blurRequestDelay, [weak = weakSelf(), visible, animated] {
        const auto page = weak.lock();
        if (!page) {
            return;
        }
        if (visible) {
            page->showBlurView(animated);
        } else {
            page->hideBlurView(animated);
        }
        page->shouldRevealTransactionNameCell = visible;
        page->updateCellHeights();
        page->manageNextButton();
    });
}

void CreateTransactionAddDocsAndSignersPage::transactionNameCellShouldUpdateTransactionName(
    const std::string& transactionName, CreateTransactionTransactionNameCell& cell)
{
    manageNextButton();
    if (!transactionName.empty()) {
        setTransactionName(transactionName);
        model()->setTitle(transactionName);
        return;
    }
    setTransactionName(localizedSDK("Transaction"));
    model()->setTitle("");
    cell.animateErrorAndResetFieldTo(std::nullopt);
}

void CreateTransactionAddDocsAndSignersPage::transactionNameDidBeginEditing()
{
    manageNextButton();
}

void CreateTransactionAddDocsAndSignersPage::handleTapGesture()
{
    view()->endEditing(true);
}

void CreateTransactionAddDocsAndSignersPage::keyboardWillDismiss()
{
    keyboardInset_ = 0;
    applyTableInset();
    tableView.lock()->scrollToRow({0, Row::name}, platform::ui::TableScrollPosition::top, true);
}

// Also announced again when the screen turns: the message being typed is brought back
// above the keyboard's new frame.
void CreateTransactionAddDocsAndSignersPage::keyboardDidShow(const platform::Notification& notification)
{
    keyboardInset_ = VTKeyboardInsets::bottomInset(*view(), notification);
    applyTableInset();
    VTKeyboardInsets::revealFirstResponder(*tableView.lock());
}

// The end of the page scrolls clear of the round Next button, and of the keyboard while
// it is up.
void CreateTransactionAddDocsAndSignersPage::applyTableInset()
{
    const double next = isRegularByRegular() ? regularNextSize + 2 * regularNextMargin : 0;
    VTKeyboardInsets::apply(*tableView.lock(), std::max(next, keyboardInset_));
}

// Rows' requests

void CreateTransactionAddDocsAndSignersPage::settingsButtonTappedWithSender(platform::ui::Control&)
{
    ZKTracker::reportEvent("Settings button");
    performSegue(CreateTransactionStoryboard::toSettingsPageSegue, self());
}

void CreateTransactionAddDocsAndSignersPage::performSegueWithIdentifierSender(const std::string& identifier,
                                                                             const std::shared_ptr<void>& sender)
{
    performSegue(identifier, sender);
}

void CreateTransactionAddDocsAndSignersPage::prepareForSegue(platform::ui::StoryboardSegue& segue,
                                                             const std::shared_ptr<void>&)
{
    if (segue.identifier() == CreateTransactionStoryboard::toSettingsPageSegue) {
        if (const auto settings = std::dynamic_pointer_cast<CreateTransactionSettingsVC>(segue.destination())) {
            settings->setDelegate(self());
        }
        return;
    }
    if (segue.identifier() != CreateTransactionStoryboard::toAddSignerPageSegue) {
        return;
    }
    ZKTracker::reportEvent(selectedSignerIndex ? "Edit Recipient" : "Add Recipient button");
    const auto navigation = std::dynamic_pointer_cast<platform::ui::NavigationController>(segue.destination());
    const auto page = navigation ? navigation->topViewController() : segue.destination();
    if (const auto input = std::dynamic_pointer_cast<CreateTransactionAddSignerPageInput>(page)) {
        input->setSignerIndex(selectedSignerIndex);
    }
}

void CreateTransactionAddDocsAndSignersPage::unwindToCreateTransactionPageWithSegue(platform::ui::StoryboardSegue&)
{
}

void CreateTransactionAddDocsAndSignersPage::addDocumentsButtonTapped()
{
    ZKTracker::reportEvent("Add Document button");
    const auto listener = delegate();
    if (!canAddDocuments || !listener) {
        return;
    }
    listener->createTransactionPageAddDocumentButtonTappedWithCreateTransactionVCWithCallBack(
        self(), [](const std::string& path, const std::optional<std::string>& name) {
            Dictionary document{{"path", path}};
            if (name) {
                document["displayName"] = *name;
            }
            model()->addDocument(document);
        });
}

void CreateTransactionAddDocsAndSignersPage::orderedSigningSwitchChanged(bool on)
{
    ZKTracker::reportEvent("Order Recipients toggle");
    model()->setOrderSigning(on);
    manageNextButton();
    platform::NotificationCenter::defaultCenter().post(on ? CreateTransactionNotifications::orderedSigningTurnedOn
                                                          : CreateTransactionNotifications::orderedSigningTurnedOff);
}

void CreateTransactionAddDocsAndSignersPage::createTransactionRecipientListCellTurnedOnOrderedSigning()
{
    const auto cell = std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(
        tableView.lock()->cellForRow({0, Row::addRecipient}));
    if (cell) {
        cell->orderedSigningSwitch.lock()->setOn(true, true);
    }
}

void CreateTransactionAddDocsAndSignersPage::emailMessageCellDidBeginEditing(CreateTransactionEmailMessageCell& cell)
{
    if (!isRegularByRegular()) {
        return;
    }
    const auto table = tableView.lock();
    if (const auto indexPath = table->indexPathForCell(cell)) {
        table->scrollToRow(*indexPath, platform::ui::TableScrollPosition::top, true);
    }
}

// Document preview

void CreateTransactionAddDocsAndSignersPage::createTransactionDocumentListCellContentOfFilePreviewRequested(
    const std::string&, int documentIndex)
{
    ZKTracker::reportEvent("Preview Document");
    const auto bytes = model()->dataForDocumentWithIndex(documentIndex);
    const auto name = model()->nameOfDocumentWithIndex(documentIndex);
    if (!bytes || !name) {
        return;
    }
    // The name comes from the host, an opened file or the service: only its last
    // component names the file, so the preview never writes (or later deletes) outside
    // the temporary folder.
    const auto file = platform::Environment::temporaryDirectory() / (DocumentFileImport::lastPathComponent(*name) + ".pdf");
    const std::string_view content(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (!platform::AtomicFile::write(file, content)) {
        return;
    }
    previewContentOfFileAtPath(file);
}

void CreateTransactionAddDocsAndSignersPage::previewContentOfFileAtPath(const std::filesystem::path& path)
{
    auto preview = platform::dragdrop::DocumentInteractionController::interactionControllerWithURL(path);
    preview->setDelegate(self());
    if (!preview->presentPreviewAnimated(true)) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return;
    }
    documentPreview_ = preview;
}

std::shared_ptr<platform::ui::ViewController>
CreateTransactionAddDocsAndSignersPage::documentInteractionControllerViewControllerForPreview(
    platform::dragdrop::DocumentInteractionController&)
{
    return shared_from_this();
}

void CreateTransactionAddDocsAndSignersPage::documentInteractionControllerDidEndPreview(
    platform::dragdrop::DocumentInteractionController& controller)
{
    std::error_code ignored;
    std::filesystem::remove(controller.url(), ignored);
    documentPreview_.reset();
}

// Foreground and the open-in preview

void CreateTransactionAddDocsAndSignersPage::willEnterForeground()
{
    CreateTransactionUtil::runBlockafterDelay(openInPreviewDelay, [weak = weakSelf()] {
        const auto page = weak.lock();
        const auto path = VTFacadeServices::installed().previewLoadPath();
        if (!page || !path) {
            return;
        }
        const auto preview = VLTOpenInPreviewController::openInVC();
        if (!preview) {
            return;
        }
        preview->setPdfPath(*path);
        preview->setDelegate(page);
        preview->setContext(localizedSDK("Add Document"));
        preview->setModalPresentationStyle(platform::ui::ModalPresentationStyle::formSheet);
        page->present(preview, true);
    });
}

void CreateTransactionAddDocsAndSignersPage::didSelectStartInPreviewForFileAtPathName(const std::string& path,
                                                                                     const std::string& name)
{
    const Dictionary document{{"displayName", name}, {"path", path}};
    const auto title = model()->title();
    if (!title || title->empty()) {
        const std::string newTitle = withoutPdfExtensions(name);
        model()->setTitle(newTitle);
        // The title button follows the model's name, or it would still read "Transaction".
        setTransactionName(newTitle);
    }
    model()->addDocument(document);
    if (presentedViewController()) {
        dismiss(true);
    }
}

void CreateTransactionAddDocsAndSignersPage::didSelectSaveForFileAtPathName(const std::string&, const std::string&)
{
}

void CreateTransactionAddDocsAndSignersPage::didReceivenewTemplateNotificationWithNotification(
    const platform::Notification& notification)
{
    const auto& info = notification.userInfo;
    if (!info.is_object() || !info.contains("guid") || !info["guid"].is_string()) {
        return;
    }
    model()->setTransactionGUID(info["guid"].get<std::string>());
    model()->reloadTransactionWithCallback([weak = weakSelf()](const std::optional<Dictionary>& error) {
        runOnMainQueue([weak, error] {
            if (const auto page = weak.lock()) {
                page->finishLoading(error);
            }
        });
    });
}

// The model's messages

void CreateTransactionAddDocsAndSignersPage::signersHaveBeenUpdated()
{
    if (model()->signersNumber() < 2 && model()->orderedSigning()) {
        model()->setOrderSigning(false);
    }
    reloadRows({Row::addRecipient, Row::recipientList});
    manageNextButton();
}

void CreateTransactionAddDocsAndSignersPage::signerOrderChanged(bool orderedSigning)
{
    if (orderedSigning) {
        return;
    }
    CreateTransactionUtil::runBlockafterDelay(orderReloadDelay, [weak = weakSelf()] {
        if (const auto page = weak.lock()) {
            page->reloadRows({Row::addRecipient, Row::recipientList});
        }
    });
}

void CreateTransactionAddDocsAndSignersPage::documentsHaveBeenUpdated()
{
    reloadRows({Row::documentList});
    manageNextButton();
}

// Each list row shows every document or recipient: a change to one list fills only its
// own rows anew, then every row takes its new height.
void CreateTransactionAddDocsAndSignersPage::reloadRows(std::initializer_list<int> rows)
{
    const auto table = tableView.lock();
    for (const int row : rows) {
        if (const auto cell = table->cellForRow({0, row})) {
            configureRow(*cell, row);
        }
    }
    updateCellHeights();
}

// The table

CreateTransactionPageRowHeights CreateTransactionAddDocsAndSignersPage::rowHeights() const
{
    const auto current = model();
    return CreateTransactionPageRowHeights({isRegularByRegular(), ZKScreen::isInLanscapeOrientation()},
                                           shouldRevealTransactionNameCell, current->documentsNumber(),
                                           current->signersNumber());
}

int CreateTransactionAddDocsAndSignersPage::numberOfRows(platform::ui::TableView&, int)
{
    return Row::rowCount;
}

std::optional<double> CreateTransactionAddDocsAndSignersPage::heightForRow(platform::ui::TableView&,
                                                                           const IndexPath& indexPath)
{
    return rowHeights().heightForRow(indexPath.row);
}

platform::ui::TableViewCellPtr CreateTransactionAddDocsAndSignersPage::cellForRow(platform::ui::TableView& table,
                                                                                  const IndexPath& indexPath)
{
    const auto identifierOf = [this](int row) -> const char* {
        switch (row) {
        case Row::name:
            return nameCellIdentifier;
        case Row::documentsHeader:
            return canAddDocuments ? addDocumentsCellIdentifier : documentsHeaderCellIdentifier;
        case Row::documentList:
            return documentListCellIdentifier;
        case Row::addRecipient:
            return addRecipientsCellIdentifier;
        case Row::recipientList:
            return recipientListCellIdentifier;
        default:
            return emailToAllCellIdentifier;
        }
    };
    if (indexPath.row < 0 || indexPath.row >= Row::rowCount) {
        return std::make_shared<platform::ui::TableViewCell>();
    }
    auto cell = table.dequeueReusableCell(identifierOf(indexPath.row), indexPath);
    configureRow(*cell, indexPath.row);
    return cell;
}

void CreateTransactionAddDocsAndSignersPage::configureRow(platform::ui::TableViewCell& cell, int row)
{
    switch (row) {
    case Row::name:
        configureNameCell(cell);
        break;
    case Row::documentsHeader:
        configureAddDocumentCell(cell);
        break;
    case Row::documentList:
        configureDocumentListCell(cell);
        break;
    case Row::addRecipient:
        configureAddRecipientCell(cell);
        break;
    case Row::recipientList:
        configureRecipientListCell(cell);
        break;
    case Row::messageToAll:
        configureEmailCell(cell);
        break;
    }
}

void CreateTransactionAddDocsAndSignersPage::configureNameCell(platform::ui::TableViewCell& cell)
{
    auto& row = static_cast<CreateTransactionTransactionNameCell&>(cell);
    row.setDelegate(self());
    row.transactionNameTextField.lock()->setText(model()->title().value_or(""));
}

void CreateTransactionAddDocsAndSignersPage::configureAddDocumentCell(platform::ui::TableViewCell& cell)
{
    if (auto* row = dynamic_cast<CreateTransactionAddDocumentCell*>(&cell)) {
        row->setDelegate(self());
    }
}

// Below two recipients the whole ordered-signing control goes: the switch and its caption.
void CreateTransactionAddDocsAndSignersPage::configureAddRecipientCell(platform::ui::TableViewCell& cell)
{
    auto& row = static_cast<CreateTransactionAddRecipientCell&>(cell);
    const bool orderable = model()->signersNumber() >= 2;
    row.orderedSigningSwitch.lock()->setOn(model()->orderedSigning());
    row.orderedSigningSwitch.lock()->setHidden(!orderable);
    row.setOrderLabel.lock()->setHidden(!orderable);
    row.setDelegate(self());
}

void CreateTransactionAddDocsAndSignersPage::configureEmailCell(platform::ui::TableViewCell& cell)
{
    auto& row = static_cast<CreateTransactionEmailMessageCell&>(cell);
    row.emailTextView.lock()->setText(model()->emailMessage().value_or(""));
    row.manageDescriptionLabel();
    row.setDelegate(self());
}

// The list's own set-up of its rows comes from the page's flags, copied before the list
// asks for its rows, so each row's drag handle follows them.
void CreateTransactionAddDocsAndSignersPage::configureDocumentListCell(platform::ui::TableViewCell& cell)
{
    auto* list = dynamic_cast<CreateTransactionDocumentListCell*>(&cell);
    if (!list) {
        return;
    }
    list->setDelegate(self());
    list->setCanDeleteDocuments(canDeleteDocuments);
    list->setCanReorderDocuments(canReorderDocuments);
    const auto table = list->documentsTableView.lock();
    table->reloadData();
    if (canReorderDocuments) {
        table->turnOnDragToOrder();
    } else {
        table->turnOffDragToOrder();
    }
}

void CreateTransactionAddDocsAndSignersPage::configureRecipientListCell(platform::ui::TableViewCell& cell)
{
    auto& list = static_cast<CreateTransactionRecipientListCell&>(cell);
    list.setDelegate(self());
    list.signersTableView.lock()->reloadData();
}


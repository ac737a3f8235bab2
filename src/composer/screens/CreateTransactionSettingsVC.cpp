#include "composer/screens/CreateTransactionSettingsVC.h"

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAutoCompleteCell.h"
#include "composer/screens/CreateTransactionBarButton.h"
#include "composer/screens/CreateTransactionDescriptionCell.h"
#include "composer/screens/CreateTransactionExpiryDateCell.h"
#include "composer/screens/CreateTransactionInPersonSigningCell.h"
#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionMessageToSignersCell.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "composer/screens/CreateTransactionTransactionNameCell.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "sdk/screens/VTKeyboardInsets.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"
#include "support/ZKUtil.h"
#include "ui/Screen.h"

using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::IndexPath;
using platform::ui::SizeClass;
using platform::ui::TableViewCell;
using platform::ui::View;

namespace {

constexpr double barButtonWidth = 80;

std::shared_ptr<VLTNewTransactionViewModel> model()
{
    return VLTNewTransactionViewModel::sharedInstance();
}

// A text row stays open while it holds text or while the sender opened it to type;
// otherwise it shows its add button.
bool textRowMinimized(bool minimized, const std::optional<std::string>& text)
{
    return minimized && text.value_or("").empty();
}

} // namespace

CreateTransactionSettingsVC::CreateTransactionSettingsVC()
    : tapGesture(std::make_shared<platform::ui::TapGestureRecognizer>())
{
}

std::shared_ptr<CreateTransactionSettingsVC> CreateTransactionSettingsVC::self()
{
    return std::static_pointer_cast<CreateTransactionSettingsVC>(shared_from_this());
}

// Views

void CreateTransactionSettingsVC::loadView()
{
    auto root = std::make_shared<View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(CreateTransactionLook::pageBackground());
    makeTable(*root);
    makeTopBar(*root);
    statusBarView = std::make_shared<View>();
    statusBarView->setBackgroundColor(CreateTransactionLook::bar());
    root->addSubview(statusBarView);
    setView(root);
}

void CreateTransactionSettingsVC::makeTopBar(View& root)
{
    topBar = std::make_shared<View>();
    topBar->setBackgroundColor(CreateTransactionLook::bar());
    titleLabel = std::make_shared<platform::ui::Label>();
    titleLabel->setText(localizedSDK("Settings"));
    titleLabel->setTextColor(Color::white());
    titleLabel->setFont(platform::graphics::Font::boldSystemFont(18));
    titleLabel->setTextAlignment(platform::graphics::TextAlignment::center);
    backButton = CreateTransactionBarButton::make(localizedSDK("Back"));
    auto save = CreateTransactionBarButton::make(localizedSDK("Save"));
    save->titleLabel()->setFont(platform::graphics::Font::boldSystemFont(16));
    topBar->addSubview(titleLabel);
    topBar->addSubview(backButton);
    topBar->addSubview(save);
    root.addSubview(topBar);
    saveButton = save;
}

void CreateTransactionSettingsVC::makeTable(View& root)
{
    auto table = std::make_shared<platform::ui::TableView>(platform::ui::TableViewStyle::plain);
    table->setBackgroundColor(CreateTransactionLook::pageBackground());
    table->registerCell(nameCellIdentifier,
                        [] { return std::make_shared<CreateTransactionTransactionNameCell>(nameCellIdentifier); });
    table->registerCell(descriptionCellIdentifier, [] {
        return std::make_shared<CreateTransactionDescriptionCell>(descriptionCellIdentifier);
    });
    table->registerCell(messageCellIdentifier,
                        [] { return std::make_shared<CreateTransactionMessageToSignersCell>(messageCellIdentifier); });
    table->registerCell(inPersonSigningCellIdentifier, [] {
        return std::make_shared<CreateTransactionInPersonSigningCell>(inPersonSigningCellIdentifier);
    });
    table->registerCell(autoCompleteCellIdentifier,
                        [] { return std::make_shared<CreateTransactionAutoCompleteCell>(autoCompleteCellIdentifier); });
    table->registerCell(expiryDateCellIdentifier,
                        [] { return std::make_shared<CreateTransactionExpiryDateCell>(expiryDateCellIdentifier); });
    root.addSubview(table);
    tableView = table;
}

void CreateTransactionSettingsVC::viewDidLayoutSubviews()
{
    const auto bounds = view()->bounds();
    const double top = view()->safeAreaInsets().top;
    const double bottom = view()->safeAreaInsets().bottom;
    const double barHeight = ZKScreen::kTopBarHeight;
    statusBarView->setFrame(makeRect(0, 0, bounds.width(), top));
    topBar->setFrame(makeRect(0, top, bounds.width(), barHeight));
    const auto safeBand = ZKScreen::withinSafeSides(*view(), bounds);
    backButton->setFrame(makeRect(safeBand.minX() + 8, 0, barButtonWidth, barHeight));
    titleLabel->setFrame(makeRect(safeBand.minX() + barButtonWidth + 16, 0,
                                  safeBand.width() - 2 * (barButtonWidth + 16), barHeight));
    saveButton.lock()->setFrame(makeRect(safeBand.maxX() - 8 - barButtonWidth, 0, barButtonWidth, barHeight));
    const double tableTop = top + barHeight;
    tableView.lock()->setFrame(makeRect(0, tableTop, bounds.width(), bounds.height() - tableTop - bottom));
    if (const auto container = view()->superview()) {
        container->layer().setCornerRadius(0);
    }
}

// Loading

void CreateTransactionSettingsVC::viewDidLoad()
{
    wireActions();
    readPropertiesFromViewModel();
    // Heights are asked before rows are configured: a loaded text opens its row at once.
    transactionDescriptionCellMinimized = textRowMinimized(transactionDescriptionCellMinimized, transactionDescription_);
    messageToAllRecipientsCellMinimized = textRowMinimized(messageToAllRecipientsCellMinimized, transactionMessage_);
    tableView.lock()->reloadData();
    saveButton.lock()->setHidden(true);
    ZKTracker::reportScreen("Transaction Settings Page");
    if (!ZKUtil::isiPhoneX()) {
        statusBarView->setBackgroundColor(Color::black());
    }
}

void CreateTransactionSettingsVC::wireActions()
{
    const auto page = self();
    tapGesture->setCancelsTouchesInView(false);
    tapGesture->addTarget(page, [this](platform::ui::GestureRecognizer&) { handleTapGesture(); });
    view()->addGestureRecognizer(tapGesture);
    backButton->addTarget(page, platform::ui::ControlEvent::touchUpInside,
                          [this](platform::ui::Control& sender) { backButtonTapped(sender); });
    saveButton.lock()->addTarget(page, platform::ui::ControlEvent::touchUpInside,
                                 [this](platform::ui::Control& sender) { saveButtonTapped(sender); });
    const auto table = tableView.lock();
    table->setDataSource(page);
    table->setDelegate(page);
    observeKeyboard();
}

// The keyboard is announced again when the screen turns: the text being typed is brought
// back above the keyboard's new frame, as it was when typing began.
void CreateTransactionSettingsVC::observeKeyboard()
{
    const auto weak = std::weak_ptr(self());
    VTKeyboardInsets::observe(
        self(),
        [weak](const platform::Notification& notification) {
            if (const auto page = weak.lock()) {
                const auto table = page->tableView.lock();
                VTKeyboardInsets::apply(*table, VTKeyboardInsets::bottomInset(*page->view(), notification));
                VTKeyboardInsets::revealFirstResponder(*table);
            }
        },
        [weak] {
            if (const auto page = weak.lock()) {
                VTKeyboardInsets::release(*page->tableView.lock());
            }
        });
}

void CreateTransactionSettingsVC::readPropertiesFromViewModel()
{
    const auto current = model();
    setTransactionTitle(current->title());
    setTransactionDescription(current->transactionDescription());
    setTransactionMessage(current->emailMessage());
    setInPersonSigning(current->inPerson());
    setAutoComplete(current->autoComplete());
    setExpiryDate(current->transactionExpiry());
}

// Pending values

void CreateTransactionSettingsVC::pendingValueChanged()
{
    saveButtonEnabled_ = true;
    if (const auto button = saveButton.lock()) {
        button->setHidden(false);
    }
}

void CreateTransactionSettingsVC::setTransactionTitle(const std::optional<std::string>& title)
{
    transactionTitle_ = title;
    pendingValueChanged();
}

void CreateTransactionSettingsVC::setTransactionDescription(const std::optional<std::string>& description)
{
    transactionDescription_ = description;
    pendingValueChanged();
}

void CreateTransactionSettingsVC::setTransactionMessage(const std::optional<std::string>& message)
{
    transactionMessage_ = message;
    pendingValueChanged();
}

void CreateTransactionSettingsVC::setInPersonSigning(bool inPerson)
{
    inPersonSigning_ = inPerson;
    pendingValueChanged();
}

void CreateTransactionSettingsVC::setAutoComplete(bool autoComplete)
{
    autoComplete_ = autoComplete;
    pendingValueChanged();
}

void CreateTransactionSettingsVC::setExpiryDate(const std::optional<platform::Date>& expiryDate)
{
    expiryDate_ = expiryDate;
    pendingValueChanged();
}

// Save and Back

void CreateTransactionSettingsVC::saveButtonTapped(platform::ui::Control&)
{
    // A tap on Save does not end editing by itself, and a name is sent only when its
    // editing ends: end it first, or the name being typed would be lost.
    view()->endEditing(true);
    saveSettingsOnViewModel();
    if (const auto listener = delegate()) {
        const bool named = transactionTitle_ && !transactionTitle_->empty();
        listener->shouldUpdateTransactionNameTo(named ? transactionTitle_ : std::nullopt);
    }
    // The page goes with the unwind; what comes after must not need it.
    const auto keepAlive = self();
    performSegue(CreateTransactionStoryboard::fromSettingsPageSegue, keepAlive);
    ZKTracker::reportEvent("Save button");
}

void CreateTransactionSettingsVC::saveSettingsOnViewModel()
{
    const auto current = model();
    if (transactionTitle_) {
        current->setTitle(transactionTitle_);
    }
    current->setTransactionDescription(transactionDescription_);
    current->setEmailMessage(transactionMessage_);
    current->setInPerson(inPersonSigning_);
    current->setAutoComplete(autoComplete_);
    current->setTransactionExpiry(expiryDate_);
}

void CreateTransactionSettingsVC::backButtonTapped(platform::ui::Control&)
{
    ZKTracker::reportEvent("Back button");
    performSegue(CreateTransactionStoryboard::fromSettingsPageSegue, self());
}

void CreateTransactionSettingsVC::handleTapGesture()
{
    view()->endEditing(true);
}

// The rows' messages

void CreateTransactionSettingsVC::transactionNameCellShouldUpdateTransactionName(
    const std::string& transactionName, CreateTransactionTransactionNameCell& cell)
{
    setTransactionTitle(transactionName);
    if (transactionName.empty()) {
        cell.animateErrorAndResetFieldTo(std::nullopt);
        return;
    }
    ZKTracker::reportEvent("Edit Transaction Name");
}

void CreateTransactionSettingsVC::transactionNameCellDidRequestBlurView(bool, bool, CreateTransactionTransactionNameCell&)
{
}

void CreateTransactionSettingsVC::createTransactionDescriptionCellShouldUpdateTransactionDescription(
    const std::optional<std::string>& description, CreateTransactionDescriptionCell&)
{
    setTransactionDescription(description);
    ZKTracker::reportEvent("Enter Transaction Description");
}

void CreateTransactionSettingsVC::createTransactionDescriptionCellDidBeginEditing(CreateTransactionDescriptionCell& cell)
{
    scrollToTop(cell);
}

void CreateTransactionSettingsVC::createTransactionDescriptionCellDidChangeMinimized(bool minimized,
                                                                                     CreateTransactionDescriptionCell&)
{
    if (minimized) {
        view()->endEditing(true);
    }
    transactionDescriptionCellMinimized = minimized;
    updateCellHeights();
}

void CreateTransactionSettingsVC::createTransactionMessageToSignersCellShouldUpdateTransactionMessage(
    const std::optional<std::string>& message, CreateTransactionMessageToSignersCell&)
{
    setTransactionMessage(message);
    ZKTracker::reportEvent("Enter Transaction Message");
}

void CreateTransactionSettingsVC::createTransactionMessageToSignersCellDidBeginEditing(
    CreateTransactionMessageToSignersCell& cell)
{
    scrollToTop(cell);
}

void CreateTransactionSettingsVC::createTransactionMessageToSignersCellDidChangeMinimized(
    bool minimized, CreateTransactionMessageToSignersCell&)
{
    if (minimized) {
        view()->endEditing(true);
    }
    messageToAllRecipientsCellMinimized = minimized;
    updateCellHeights();
}

void CreateTransactionSettingsVC::createTransactionInPersonSigningUpdated(bool inPerson,
                                                                          CreateTransactionInPersonSigningCell&)
{
    setInPersonSigning(inPerson);
    ZKTracker::reportEvent("Enable in person signing toggle");
}

void CreateTransactionSettingsVC::createTransactionAutoCompleteUpdated(bool autoComplete,
                                                                       CreateTransactionAutoCompleteCell&)
{
    setAutoComplete(autoComplete);
    ZKTracker::reportEvent("Auto-complete transaction toggle");
}

void CreateTransactionSettingsVC::createTransactionExpiryDateUpdated(const std::optional<platform::Date>& expiryDate,
                                                                     CreateTransactionExpiryDateCell&)
{
    setExpiryDate(expiryDate);
    ZKTracker::reportEvent("Set expiry date");
}

void CreateTransactionSettingsVC::createTransactionExpiryDateCellDidRequestToggle(CreateTransactionExpiryDateCell& cell)
{
    expiryDateCellMinimized = !expiryDateCellMinimized;
    manageExpiryDateCell(expiryDateCellMinimized, cell);
    updateCellHeights();
}

void CreateTransactionSettingsVC::createTransactionExpiryDateCellDidRequestCollapse(
    CreateTransactionExpiryDateCell& cell)
{
    expiryDateCellMinimized = true;
    manageExpiryDateCell(true, cell);
    updateCellHeights();
}

void CreateTransactionSettingsVC::manageExpiryDateCell(bool minimized, CreateTransactionExpiryDateCell& cell)
{
    cell.showOpen(!minimized);
    if (minimized) {
        if (cell.expiryCellAuxButtonMode() == ExpiryDateAuxButtonMode::Confirm) {
            cell.setExpiryCellAuxButtonMode(ExpiryDateAuxButtonMode::None);
        }
        return;
    }
    cell.makeTransitionToMaximizedMode();
    CreateTransactionUtil::runBlockafterDelay(expiryScrollDelay, [weak = std::weak_ptr(self())] {
        if (const auto page = weak.lock()) {
            page->tableView.lock()->scrollToRow({0, Row::expiryDate}, platform::ui::TableScrollPosition::middle, true);
        }
    });
    if (cell.expiryCellAuxButtonMode() == ExpiryDateAuxButtonMode::None) {
        cell.expiryDatePicker.lock()->setDate(platform::Date::now());
    }
}

void CreateTransactionSettingsVC::updateCellHeights()
{
    const auto table = tableView.lock();
    table->beginUpdates();
    table->endUpdates();
}

void CreateTransactionSettingsVC::scrollToTop(TableViewCell& cell)
{
    const auto table = tableView.lock();
    if (const auto indexPath = table->indexPathForCell(cell)) {
        table->scrollToRow(*indexPath, platform::ui::TableScrollPosition::top, true);
    }
}

// The table

int CreateTransactionSettingsVC::numberOfRows(platform::ui::TableView&, int)
{
    return Row::rowCount;
}

// The message is edited here only where the main page does not show it: on screens that
// are not regular in both directions.
double CreateTransactionSettingsVC::cellHeightForMessageToAllRecipientsCell() const
{
    const auto traits = platform::ui::Screen::main().traitCollection();
    const bool compactWidthRegularHeight =
        traits.horizontalSizeClass == SizeClass::compact && traits.verticalSizeClass == SizeClass::regular;
    if (!compactWidthRegularHeight && traits.verticalSizeClass != SizeClass::compact) {
        return 0;
    }
    return messageToAllRecipientsCellMinimized ? collapsedRowHeight : openTextRowHeight;
}

std::optional<double> CreateTransactionSettingsVC::heightForRow(platform::ui::TableView&, const IndexPath& indexPath)
{
    switch (indexPath.row) {
    case Row::name:
        return nameRowHeight;
    case Row::description:
        return transactionDescriptionCellMinimized ? collapsedRowHeight : openTextRowHeight;
    case Row::message:
        return cellHeightForMessageToAllRecipientsCell();
    case Row::expiryDate:
        return expiryDateCellMinimized ? collapsedRowHeight : openExpiryRowHeight;
    case Row::bottomSpace:
        return bottomSpaceHeight;
    default:
        return collapsedRowHeight;
    }
}

const char* CreateTransactionSettingsVC::identifierForRow(int row)
{
    switch (row) {
    case Row::name:
        return nameCellIdentifier;
    case Row::description:
        return descriptionCellIdentifier;
    case Row::message:
        return messageCellIdentifier;
    case Row::inPersonSigning:
        return inPersonSigningCellIdentifier;
    case Row::autoComplete:
        return autoCompleteCellIdentifier;
    case Row::expiryDate:
        return expiryDateCellIdentifier;
    default:
        return nullptr;
    }
}

platform::ui::TableViewCellPtr CreateTransactionSettingsVC::cellForRow(platform::ui::TableView& table,
                                                                       const IndexPath& indexPath)
{
    const char* identifier = identifierForRow(indexPath.row);
    auto cell = identifier ? table.dequeueReusableCell(identifier, indexPath) : nullptr;
    if (cell && configure(*cell, indexPath.row)) {
        return cell;
    }
    auto plain = std::make_shared<TableViewCell>();
    plain->setSelectionStyle(platform::ui::CellSelectionStyle::none);
    plain->setBackgroundColor(CreateTransactionLook::pageBackground());
    // The room under the last setting is page, not a row: no divider under it.
    plain->contentView()->setBackgroundColor(CreateTransactionLook::pageBackground());
    return plain;
}

template <class Cell, class Setup>
bool CreateTransactionSettingsVC::configureAs(TableViewCell& cell, const Setup& setup)
{
    auto* row = dynamic_cast<Cell*>(&cell);
    if (!row) {
        return false;
    }
    row->setDelegate(self());
    setup(*row);
    return true;
}

bool CreateTransactionSettingsVC::configure(TableViewCell& cell, int row)
{
    switch (row) {
    case Row::name:
        return configureAs<CreateTransactionTransactionNameCell>(cell, [this](auto& name) {
            name.transactionNameTextField.lock()->setText(transactionTitle_.value_or(""));
        });
    case Row::description:
        return configureAs<CreateTransactionDescriptionCell>(cell, [this](auto& description) {
            transactionDescriptionCellMinimized =
                textRowMinimized(transactionDescriptionCellMinimized, transactionDescription_);
            description.show(transactionDescription_.value_or(""), transactionDescriptionCellMinimized);
        });
    case Row::message:
        return configureAs<CreateTransactionMessageToSignersCell>(cell, [this](auto& message) {
            messageToAllRecipientsCellMinimized =
                textRowMinimized(messageToAllRecipientsCellMinimized, transactionMessage_);
            message.show(transactionMessage_.value_or(""), messageToAllRecipientsCellMinimized);
        });
    case Row::inPersonSigning:
        return configureAs<CreateTransactionInPersonSigningCell>(
            cell, [this](auto& inPerson) { inPerson.inPersonSigningSwitch.lock()->setOn(inPersonSigning_); });
    case Row::autoComplete:
        return configureAs<CreateTransactionAutoCompleteCell>(
            cell, [this](auto& autoComplete) { autoComplete.autoCompleteSwitch.lock()->setOn(autoComplete_); });
    case Row::expiryDate:
        return configureAs<CreateTransactionExpiryDateCell>(cell, [this](auto& expiry) {
            expiry.showExpiryDate(expiryDate_);
            manageExpiryDateCell(expiryDateCellMinimized, expiry);
        });
    default:
        return false;
    }
}

#include "signers/screens/AddSignerViewController.h"

#include "composer/RecipientDomains.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionBarButton.h"
#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "sdk/screens/VTKeyboardInsets.h"
#include "signers/SignerAuthenticationDictionary.h"
#include "signers/screens/AddSignerFieldRow.h"
#include "signers/screens/AddSignerSourceMenu.h"
#include "signers/screens/CreateTransactionPickGroupViewControllerInput.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePageInput.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageInput.h"
#include "signers/screens/CreateTransactionSignerChooseContactPageInput.h"
#include "signers/screens/SignerInputDictionary.h"
#include "signers/screens/SignerSetupScenes.h"
#include "support/LocalizedSDK.h"
#include "support/ZKColor.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"
#include "support/ZKUtil.h"
#include "ui/Animator.h"
#include "ui/Keyboard.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/StoryboardSegue.h"
#include "ui/Window.h"

#include <algorithm>
#include <array>

using platform::graphics::AffineTransform;
using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::Control;
using platform::ui::ControlEvent;
using platform::ui::View;
using Kind = CreateTransactionSignerType;

namespace {

constexpr double margin = 16;
constexpr double barButtonWidth = 80;
constexpr double optionRowHeight = 52;
constexpr double rowGap = 1;
constexpr double errorLabelHeight = 20;
constexpr double sourceButtonSize = 44;
constexpr double valueWidth = 140;
constexpr double checkBoxSize = 24;
constexpr double switchWidth = 51;
constexpr double switchHeight = 31;

enum Field { firstName, lastName, email, title, company, fieldCount };
enum OptionRow { authentication, message, allowChange };

using platform::dictionary::stringAt;

std::string textOf(const std::weak_ptr<platform::ui::TextField>& field)
{
    return field.lock()->text();
}

std::shared_ptr<platform::ui::Label> makeLabel(const platform::graphics::Font& font, const Color& color)
{
    auto label = std::make_shared<platform::ui::Label>();
    label->setFont(font);
    label->setTextColor(color);
    return label;
}

// A row button whose title is the row's caption.
std::shared_ptr<platform::ui::Button> makeRowButton(const std::string& caption)
{
    auto button = std::make_shared<platform::ui::Button>();
    button->setTitle(caption);
    button->setTitleColor(CreateTransactionLook::accent());
    button->titleLabel()->setFont(CreateTransactionLook::bodyFont());
    button->titleLabel()->setTextAlignment(platform::graphics::TextAlignment::left);
    return button;
}

} // namespace

AddSignerViewController::AddSignerViewController()
    : backViewTapGesture(std::make_shared<platform::ui::TapGestureRecognizer>()),
      darkCoverTapGesture(std::make_shared<platform::ui::TapGestureRecognizer>())
{
}

std::shared_ptr<AddSignerViewController> AddSignerViewController::self()
{
    return std::static_pointer_cast<AddSignerViewController>(shared_from_this());
}

std::weak_ptr<AddSignerViewController> AddSignerViewController::weakSelf()
{
    return self();
}

std::shared_ptr<VLTNewTransactionViewModel> AddSignerViewController::model()
{
    return VLTNewTransactionViewModel::sharedInstance();
}

// Views

void AddSignerViewController::loadView()
{
    auto root = std::make_shared<View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(CreateTransactionLook::pageBackground());
    auto form = std::make_shared<platform::ui::ScrollView>();
    form->setBackgroundColor(CreateTransactionLook::pageBackground());
    root->addSubview(form);
    scrollView = form;
    makeForm(*form);
    makeTopBar(*root);
    statusBarView = std::make_shared<View>();
    statusBarView->setBackgroundColor(CreateTransactionLook::bar());
    root->addSubview(statusBarView);
    setView(root);
}

void AddSignerViewController::makeTopBar(View& root)
{
    topBar_ = std::make_shared<View>();
    topBar_->setBackgroundColor(CreateTransactionLook::bar());
    topBarTitleLabel = makeLabel(platform::graphics::Font::boldSystemFont(18), Color::white());
    topBarTitleLabel->setText(localizedSDK("Add Recipient"));
    topBarTitleLabel->setTextAlignment(platform::graphics::TextAlignment::center);
    closeButton = CreateTransactionBarButton::make(localizedSDK("Back"));
    auto add = std::make_shared<platform::ui::Button>();
    add->setTitle(addGlyph);
    add->setTitleColor(Color::white());
    add->titleLabel()->setFont(CreateTransactionLook::iconFont(30));
    topBar_->addSubview(topBarTitleLabel);
    topBar_->addSubview(closeButton);
    topBar_->addSubview(add);
    root.addSubview(topBar_);
    addButton = add;
}

void AddSignerViewController::makeForm(platform::ui::ScrollView& form)
{
    const std::array<std::pair<std::weak_ptr<View>*, std::weak_ptr<View>*>, fieldCount> outlets{{
        {&firstNameView, &firstNameStatusBar},
        {&lastNameView, &lastNameStatusBar},
        {&emailView, &emailStatusBar},
        {&titleView, &titleStatusBar},
        {&companyView, &companyStatusBar},
    }};
    const std::array<const char*, fieldCount> captions{localizableKey("First Name *"), localizableKey("Last Name *"),
                                                       localizableKey("Email *"), localizableKey("Title"),
                                                       localizableKey("Company")};
    const std::array<std::weak_ptr<platform::ui::TextField>*, fieldCount> fields{
        &firstNameTextField, &lastNameTextField, &emailTextField, &titleTextField, &companyTextField};
    for (int index = 0; index < fieldCount; ++index) {
        fieldRows_[index] = makeFieldRow(form, localizedSDK(captions[index]));
        *outlets[index].first = fieldRows_[index];
        *outlets[index].second = fieldRows_[index]->statusBar();
        *fields[index] = fieldRows_[index]->textField();
    }
    fieldRows_[firstName]->setTrailingRoom(sourceButtonSize);
    auto error = makeLabel(CreateTransactionLook::captionFont(), ZKColor::error());
    error->setText(localizedSDK("Required fields *"));
    form.addSubview(error);
    errorLabel = error;
    makeOptionRows(form);
    makeSourceMenu(form);
}

std::shared_ptr<AddSignerFieldRow> AddSignerViewController::makeFieldRow(platform::ui::ScrollView& form,
                                                                         const std::string& caption)
{
    auto row = std::make_shared<AddSignerFieldRow>(caption);
    form.addSubview(row);
    return row;
}

void AddSignerViewController::makeOptionRows(platform::ui::ScrollView& form)
{
    for (auto& row : optionRows_) {
        row = std::make_shared<View>();
        row->setBackgroundColor(Color::white());
        form.addSubview(row);
    }
    auto method = makeLabel(CreateTransactionLook::bodyFont(), CreateTransactionLook::caption());
    method->setTextAlignment(platform::graphics::TextAlignment::right);
    auto methodButton = makeRowButton(localizedSDK("Authentication"));
    optionRows_[authentication]->addSubview(method);
    optionRows_[authentication]->addSubview(methodButton);
    authenticationTypeLabel = method;
    authenticationButton = methodButton;

    auto checkBox = makeLabel(CreateTransactionLook::iconFont(checkBoxSize), CreateTransactionLook::accent());
    checkBox->setText(personalMessageGlyph);
    auto messageButton = makeRowButton(localizedSDK("Personal Message"));
    optionRows_[message]->addSubview(checkBox);
    optionRows_[message]->addSubview(messageButton);
    personalMessageCheckBox = checkBox;
    personalMessageButton = messageButton;

    auto allowLabel = makeLabel(CreateTransactionLook::bodyFont(), CreateTransactionLook::accent());
    allowLabel->setText(localizedSDK("Allow Change Recipient"));
    auto allowSwitch = std::make_shared<platform::ui::Switch>();
    allowSwitch->setOnTintColor(CreateTransactionLook::accent());
    optionRows_[allowChange]->addSubview(allowLabel);
    optionRows_[allowChange]->addSubview(allowSwitch);
    allowChangeRecipientLabel = allowLabel;
    changeRecipientSwitch = allowSwitch;
}

// The cover dims the form, with the source button and the menu on it; all are in the
// scroll view, whose recognisers see the taps on the cover.
void AddSignerViewController::makeSourceMenu(platform::ui::ScrollView& form)
{
    auto cover = std::make_shared<View>();
    cover->setBackgroundColor(Color::fromWhite(0, 0.45));
    form.addSubview(cover);
    darkCoverView = cover;
    auto source = std::make_shared<platform::ui::Button>();
    source->setTitle(std::string(glyphForSignerType(signerType_)));
    source->setTitleColor(CreateTransactionLook::accent());
    source->titleLabel()->setFont(CreateTransactionLook::iconFont(30));
    form.addSubview(source);
    signerButtonAdd = source;
    sourceMenu_ = std::make_shared<AddSignerSourceMenu>();
    form.addSubview(sourceMenu_);
    signerMenuView = sourceMenu_;
    addMyselfButton = sourceMenu_->myself().button;
    addFromContactsButton = sourceMenu_->contacts().button;
    addGroupIcon = sourceMenu_->groups().icon;
    addGroupLabel = sourceMenu_->groups().label;
    addGroupButton = sourceMenu_->groups().button;
}

void AddSignerViewController::viewDidLayoutSubviews()
{
    const auto bounds = view()->bounds();
    const auto safeArea = view()->safeAreaInsets();
    const double top = safeArea.top;
    const double barHeight = ZKScreen::kTopBarHeight;
    const auto safeBand = ZKScreen::withinSafeSides(*view(), bounds);
    statusBarView->setFrame(makeRect(0, 0, bounds.width(), top));
    topBar_->setFrame(makeRect(0, top, bounds.width(), barHeight));
    closeButton->setFrame(makeRect(safeBand.minX() + 8, 0, barButtonWidth, barHeight));
    topBarTitleLabel->setFrame(makeRect(safeBand.minX() + barButtonWidth + 16, 0,
                                        safeBand.width() - 2 * (barButtonWidth + 16), barHeight));
    addButton.lock()->setFrame(makeRect(safeBand.maxX() - 8 - barHeight, 0, barHeight, barHeight));
    const double formTop = top + barHeight;
    scrollView.lock()->setFrame(makeRect(0, formTop, bounds.width(), bounds.height() - formTop - safeArea.bottom));
    layoutForm(safeBand.minX(), safeBand.width());
    if (const auto navigation = navigationController()) {
        if (const auto container = navigation->view()->superview()) {
            container->layer().setCornerRadius(0);
        }
    }
}

void AddSignerViewController::layoutForm(double left, double width)
{
    double y = margin;
    for (const auto& row : fieldRows_) {
        row->setFrame(makeRect(left, y, width, AddSignerFieldRow::height));
        y += AddSignerFieldRow::height + rowGap;
    }
    const double right = left + width;
    const auto firstRow = fieldRows_[firstName]->frame();
    signerButtonAdd.lock()->setFrame(makeRect(right - margin - sourceButtonSize,
                                              firstRow.minY() + (firstRow.height() - sourceButtonSize) / 2,
                                              sourceButtonSize, sourceButtonSize));
    errorLabel.lock()->setFrame(makeRect(left + margin, y + 6, width - 2 * margin, errorLabelHeight));
    y += errorLabelHeight + 2 * margin;
    for (const auto& row : optionRows_) {
        row->setFrame(makeRect(left, y, width, optionRowHeight));
        y += optionRowHeight + rowGap;
    }
    const double rowWidth = width - 2 * margin;
    const double valueLeft = width - margin - valueWidth;
    authenticationTypeLabel.lock()->setFrame(makeRect(valueLeft, 0, valueWidth, optionRowHeight));
    authenticationButton.lock()->setFrame(makeRect(margin, 0, rowWidth, optionRowHeight));
    personalMessageCheckBox.lock()->setFrame(makeRect(width - margin - checkBoxSize,
                                                      (optionRowHeight - checkBoxSize) / 2, checkBoxSize,
                                                      checkBoxSize));
    personalMessageButton.lock()->setFrame(makeRect(margin, 0, rowWidth, optionRowHeight));
    allowChangeRecipientLabel.lock()->setFrame(makeRect(margin, 0, rowWidth - switchWidth - 8, optionRowHeight));
    changeRecipientSwitch.lock()->setFrame(makeRect(width - margin - switchWidth,
                                                    (optionRowHeight - switchHeight) / 2, switchWidth, switchHeight));
    // The cover dims the whole form, also beside the notch.
    const auto form = scrollView.lock();
    const double contentHeight = y + margin;
    const double formWidth = form->bounds().width();
    form->setContentSize({formWidth, contentHeight});
    darkCoverView.lock()->setFrame(makeRect(0, 0, formWidth, std::max(contentHeight, form->bounds().height())));
    sourceMenu_->setBounds(makeRect(0, 0, AddSignerSourceMenu::width, AddSignerSourceMenu::height));
    sourceMenu_->setCenter({right - margin - AddSignerSourceMenu::width / 2,
                            firstRow.maxY() + 4 + AddSignerSourceMenu::height / 2});
}

// Loading

void AddSignerViewController::viewDidLoad()
{
    if (const auto navigation = navigationController()) {
        navigation->setNavigationBarHidden(true, false);
    }
    wireActions();
    observeNotifications();
    const auto page = self();
    backViewTapGesture->addTarget(page, [this](platform::ui::GestureRecognizer&) { dismissKeyboard(); });
    darkCoverTapGesture->addTarget(page, [this](platform::ui::GestureRecognizer&) { darkCoverTapped(); });
    // Only an open menu listens for taps on its cover.
    darkCoverTapGesture->setEnabled(false);
    scrollView.lock()->addGestureRecognizer(backViewTapGesture);
    scrollView.lock()->addGestureRecognizer(darkCoverTapGesture);
    for (const auto& hidden : {darkCoverView.lock(), signerMenuView.lock()}) {
        hidden->setHidden(true);
        hidden->setAlpha(0);
    }
    authenticationTypeLabel.lock()->setText(std::nullopt);
    personalMessageCheckBox.lock()->setHidden(true);
    populateUIInfo();
    manageAddFromGroupsMenuItem();
    addButton.lock()->setHidden(true);
    if (!ZKUtil::isiPhoneX()) {
        statusBarView->setBackgroundColor(Color::black());
    }
    ZKTracker::reportScreen("Add Signer Page");
}

void AddSignerViewController::wireActions()
{
    const auto page = self();
    const auto on = [&page](Control& control, ControlEvent event, void (AddSignerViewController::*action)(Control&)) {
        control.addTarget(page, event, [raw = page.get(), action](Control& sender) { (raw->*action)(sender); });
    };
    const auto onTap = [&on](const std::shared_ptr<Control>& control,
                             void (AddSignerViewController::*action)(Control&)) {
        on(*control, ControlEvent::touchUpInside, action);
    };
    onTap(closeButton, &AddSignerViewController::closeButtonAction);
    onTap(addButton.lock(), &AddSignerViewController::addButtonAction);
    onTap(signerButtonAdd.lock(), &AddSignerViewController::signerButtonTapped);
    onTap(addMyselfButton.lock(), &AddSignerViewController::addMyselfButtonTapped);
    onTap(addFromContactsButton.lock(), &AddSignerViewController::addFromContactsButtonTapped);
    onTap(addGroupButton.lock(), &AddSignerViewController::addFrpmGroupsButtonTapped);
    onTap(personalMessageButton.lock(), &AddSignerViewController::personalMessageButtonTapped);
    onTap(authenticationButton.lock(), &AddSignerViewController::authenticationMethodButtonTapped);
    on(*changeRecipientSwitch.lock(), ControlEvent::valueChanged, &AddSignerViewController::changeRecipientSwitchChanged);
    for (const auto& row : fieldRows_) {
        on(*row->textField(), ControlEvent::primaryActionTriggered, &AddSignerViewController::returnButtonTapped);
        on(*row->textField(), ControlEvent::editingDidEnd, &AddSignerViewController::textFieldEditingDidEnd);
        on(*row->textField(), ControlEvent::editingChanged, &AddSignerViewController::textFieldContentUpdated);
    }
    registerUnwindAction(SignerSetupScenes::unwindToAddSignerPageAction,
                         [raw = page.get()](platform::ui::StoryboardSegue& segue) {
                             raw->unwindToAddSignerViewController(segue);
                         });
}

// The registrations end with the page: the centre drops observers whose owner is gone.
void AddSignerViewController::observeNotifications()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto weak = weakSelf();
    center.addObserver(self(), platform::ui::KeyboardNotifications::didShow, nullptr,
                       [weak](const platform::Notification& notification) {
                           if (const auto page = weak.lock()) {
                               page->keyboardDidShow(notification);
                           }
                       });
    center.addObserver(self(), platform::ui::KeyboardNotifications::willHide, nullptr,
                       [weak](const platform::Notification&) {
                           if (const auto page = weak.lock()) {
                               page->keyboardWillhide();
                           }
                       });
    center.addObserver(self(), VLTNewTransactionViewModel::kListOfGroupsDidChangeNotification, nullptr,
                       [weak](const platform::Notification&) {
                           if (const auto page = weak.lock()) {
                               page->manageAddFromGroupsMenuItem();
                           }
                       });
}

// Edit mode

void AddSignerViewController::populateUIInfo()
{
    if (!signerIndex_) {
        updateAuthenticationMethodLabel();
        return;
    }
    addButton.lock()->setTitle(editGlyph);
    topBarTitleLabel->setText(localizedSDK("Edit Recipient"));
    const Dictionary row = model()->dataForSignerWithIndex(*signerIndex_);
    auto firstName = stringAt(row, "firstName");
    auto email = stringAt(row, "email");
    auto title = stringAt(row, "title");
    signerCurrentEmail_ = email;
    signerType_ = getSignerTypeFromData(row);
    signerCurrentType_ = signerType_;
    updateUIForSignerType(signerType_);
    if (signerType_ == Kind::placeholder) {
        email.reset();
    }
    if (signerType_ == Kind::group) {
        email = title;
        title.reset();
        firstName = stringAt(row, "displayName");
        selectLoadedGroup(row);
    }
    personalMessage_ = stringAt(row, "emailMessage");
    const bool allowSignerChange = platform::dictionary::booleanOrNumberAt(row, "allowSignerChange");
    if (row.contains("authentication") && row.at("authentication").is_object()) {
        authenticationMethod_ = authenticationMethodForInfoWithDict(row.at("authentication"));
    }
    fillFields(firstName, stringAt(row, "lastName"), email, title, stringAt(row, "company"));
    personalMessageCheckBox.lock()->setHidden(personalMessage_.value_or("").empty());
    changeRecipientSwitch.lock()->setOn(allowSignerChange);
    updateAuthenticationMethodLabel();
}

CreateTransactionSignerType AddSignerViewController::getSignerTypeFromData(const Dictionary& data) const
{
    if (platform::dictionary::booleanOrNumberAt(data, "group")) {
        return Kind::group;
    }
    const auto email = stringAt(data, "email");
    if (!email) {
        return Kind::recipient;
    }
    if (model()->isMe(email)) {
        return Kind::myself;
    }
    if (email->find(RecipientDomains::kPlaceholderDomain) != std::string::npos) {
        return Kind::placeholder;
    }
    return Kind::recipient;
}

// A group row hides the source button, so no group could be picked on this visit and
// the commit would have nothing to hand over: the row's own group stands in, so that the
// message and the permission the sender changes are kept. Without its id the group could
// not be found again, and the commit would add it a second time.
void AddSignerViewController::selectLoadedGroup(const Dictionary& row)
{
    const auto groupID = stringAt(row, "role");
    if (!groupID) {
        return;
    }
    const auto& accountGroups = model()->groups();
    const auto listed = std::find_if(accountGroups.begin(), accountGroups.end(),
                                     [&groupID](const auto& group) { return group->groupID() == *groupID; });
    const bool member = listed != accountGroups.end() && (*listed)->isCurrentSignerMember();
    selectedGroup_ = std::make_shared<ZKGroup>(*groupID, member, stringAt(row, "firstName").value_or(""),
                                               stringAt(row, "email").value_or(""));
}

// Controls

void AddSignerViewController::updateUIForSignerType(CreateTransactionSignerType signerType)
{
    const auto source = signerButtonAdd.lock();
    source->setTitle(std::string(glyphForSignerType(signerType)));
    const bool detailsEnabled = signerType == Kind::recipient || signerType == Kind::placeholder;
    const bool optionsEnabled = signerType != Kind::myself;
    for (const auto& row : fieldRows_) {
        setControlEnabled(*row->textField(), detailsEnabled);
        setLabelEnabled(*row->caption(), detailsEnabled);
    }
    setControlEnabled(*authenticationButton.lock(), detailsEnabled);
    setLabelEnabled(*authenticationTypeLabel.lock(), detailsEnabled);
    setControlEnabled(*personalMessageButton.lock(), optionsEnabled);
    setLabelEnabled(*personalMessageCheckBox.lock(), optionsEnabled);
    setControlEnabled(*changeRecipientSwitch.lock(), optionsEnabled);
    setLabelEnabled(*allowChangeRecipientLabel.lock(), optionsEnabled);
    source->setHidden(signerType != Kind::placeholder);
}

void AddSignerViewController::setControlEnabled(Control& control, bool enabled)
{
    control.setEnabled(enabled);
    control.setAlpha(enabled ? 1.0 : 0.5);
}

void AddSignerViewController::setLabelEnabled(platform::ui::Label& label, bool enabled)
{
    label.setAlpha(enabled ? 1.0 : 0.5);
}

bool AddSignerViewController::firstNameFieldEnabled() const
{
    return firstNameTextField.lock()->isEnabled();
}

void AddSignerViewController::fillFields(const std::optional<std::string>& firstName,
                                         const std::optional<std::string>& lastName,
                                         const std::optional<std::string>& email,
                                         const std::optional<std::string>& title,
                                         const std::optional<std::string>& company)
{
    firstNameTextField.lock()->setText(firstName.value_or(""));
    lastNameTextField.lock()->setText(lastName.value_or(""));
    emailTextField.lock()->setText(email.value_or(""));
    titleTextField.lock()->setText(title.value_or(""));
    companyTextField.lock()->setText(company.value_or(""));
}

void AddSignerViewController::manageAddButtonAvailability()
{
    const bool valid =
        !CreateTransactionUtil::stringIsEmpty(textOf(firstNameTextField)) && validateLastName(false) &&
        validateEmail(false);
    addButton.lock()->setHidden(!valid && firstNameFieldEnabled());
}

void AddSignerViewController::updateAuthenticationMethodLabel()
{
    authenticationTypeLabel.lock()->setText(authenticationMethod_.displayLabel());
}

void AddSignerViewController::manageAddFromGroupsMenuItem()
{
    const Color color = model()->getAvailableGroups().empty() ? menuDisabledItemColor : menuEnabledItemColor;
    addGroupIcon.lock()->setTextColor(color);
    addGroupLabel.lock()->setTextColor(color);
}

// Field checks

bool AddSignerViewController::validateFirstName(bool animateOnUI)
{
    const bool passed = !CreateTransactionUtil::stringIsEmpty(textOf(firstNameTextField));
    return check(passed, animateOnUI, firstNameView, firstNameStatusBar);
}

bool AddSignerViewController::validateLastName(bool animateOnUI)
{
    const bool passed = signerType_ == Kind::group || !CreateTransactionUtil::stringIsEmpty(textOf(lastNameTextField));
    return check(passed, animateOnUI, lastNameView, lastNameStatusBar);
}

// The signed-in user's own address passes even where the format test would refuse it.
bool AddSignerViewController::validateEmail(bool animateOnUI)
{
    const std::string text = textOf(emailTextField);
    const bool passed = !CreateTransactionUtil::stringIsEmpty(text) &&
                        (model()->isMe(text) || VLTNewTransactionViewModel::isValidEmail(text));
    return check(passed, animateOnUI, emailView, emailStatusBar);
}

bool AddSignerViewController::check(bool passed, bool animateOnUI, const std::weak_ptr<View>& row,
                                    const std::weak_ptr<View>& statusBar)
{
    if (!animateOnUI) {
        return passed;
    }
    statusBar.lock()->setHidden(passed);
    if (!passed) {
        CreateTransactionUtil::animateShakeWithDurationForView(*row.lock(), shakeDuration, shakeMovement, nullptr);
    }
    return passed;
}

// Actions

void AddSignerViewController::closeButtonAction(Control&)
{
    performSegue(CreateTransactionStoryboard::fromAddSignerPageSegue, self());
    ZKTracker::reportEvent("Back button");
}

void AddSignerViewController::signerButtonTapped(Control&)
{
    if (darkCoverShowing_) {
        return;
    }
    showContactSourceOptions(true, nullptr);
    view()->endEditing(true);
}

void AddSignerViewController::addMyselfButtonTapped(Control&)
{
    ZKTracker::reportEvent("Add Myself");
    const Dictionary identity = model()->identityInfo();
    fillFields(stringAt(identity, "firstName"), stringAt(identity, "lastName"), stringAt(identity, "email"),
               stringAt(identity, "title"), stringAt(identity, "company"));
    signerType_ = Kind::myself;
    updateUIForSignerType(signerType_);
    hideContactSourceOptions(true, nullptr);
    manageAddButtonAvailability();
}

void AddSignerViewController::addFromContactsButtonTapped(Control&)
{
    hideContactSourceOptions(true, nullptr);
    ZKTracker::reportEvent("Add from Contacts");
    performSegue(SignerSetupScenes::toContactsPageSegue, self());
}

void AddSignerViewController::addFrpmGroupsButtonTapped(Control&)
{
    if (model()->getAvailableGroups().empty()) {
        return;
    }
    ZKTracker::reportEvent("Add from Groups");
    hideContactSourceOptions(true, nullptr);
    performSegue(SignerSetupScenes::toGroupsPageSegue, self());
}

void AddSignerViewController::personalMessageButtonTapped(Control&)
{
    performSegue(SignerSetupScenes::toPersonalMessagePageSegue, self());
}

void AddSignerViewController::authenticationMethodButtonTapped(Control&)
{
    performSegue(SignerSetupScenes::toAuthenticationMethodsPageSegue, self());
}

void AddSignerViewController::changeRecipientSwitchChanged(Control&)
{
    manageAddButtonAvailability();
    ZKTracker::reportEvent("Allow Change Recipient toggle");
}

void AddSignerViewController::returnButtonTapped(Control& sender)
{
    for (int index = 0; index + 1 < fieldCount; ++index) {
        if (fieldRows_[index]->textField().get() == &sender) {
            fieldRows_[index + 1]->textField()->becomeFirstResponder();
            return;
        }
    }
}

void AddSignerViewController::textFieldEditingDidEnd(Control& sender)
{
    if (&sender == firstNameTextField.lock().get()) {
        validateFirstName(true);
    } else if (&sender == lastNameTextField.lock().get()) {
        validateLastName(true);
    } else if (&sender == emailTextField.lock().get()) {
        validateEmail(true);
    }
    manageAddButtonAvailability();
}

void AddSignerViewController::textFieldContentUpdated(Control&)
{
    manageAddButtonAvailability();
}

void AddSignerViewController::dismissKeyboard()
{
    view()->endEditing(true);
}

void AddSignerViewController::darkCoverTapped()
{
    hideContactSourceOptions(true, nullptr);
}

void AddSignerViewController::unwindToAddSignerViewController(platform::ui::StoryboardSegue&)
{
    updateUIForSignerType(signerType_);
    manageAddFromGroupsMenuItem();
}

// Source menu

void AddSignerViewController::showContactSourceOptions(bool animated, const Completion& completion)
{
    const auto cover = darkCoverView.lock();
    const auto menu = signerMenuView.lock();
    cover->setHidden(false);
    menu->setHidden(false);
    menu->setTransform(AffineTransform::scale(menuClosedScale, menuClosedScale));
    manageAddFromGroupsMenuItem();
    darkCoverTapGesture->setEnabled(true);
    const auto open = [cover, menu] {
        cover->setAlpha(1);
        menu->setTransform(AffineTransform::identity());
        menu->setAlpha(1);
    };
    const auto finish = [weak = weakSelf(), completion] {
        if (const auto page = weak.lock()) {
            page->darkCoverShowing_ = true;
        }
        if (completion) {
            completion();
        }
    };
    if (!animated) {
        open();
        finish();
        return;
    }
    platform::ui::Animator::animate(animationDuration, open, [finish](bool) { finish(); });
}

void AddSignerViewController::hideContactSourceOptions(bool animated, const Completion& completion)
{
    darkCoverTapGesture->setEnabled(false);
    const auto cover = darkCoverView.lock();
    const auto menu = signerMenuView.lock();
    const auto close = [cover, menu] {
        cover->setAlpha(0);
        menu->setTransform(AffineTransform::scale(menuClosedScale, menuClosedScale));
        menu->setAlpha(0);
    };
    const auto finish = [weak = weakSelf(), cover, menu, completion] {
        menu->setTransform(AffineTransform::identity());
        cover->setHidden(true);
        menu->setHidden(true);
        if (const auto page = weak.lock()) {
            page->darkCoverShowing_ = false;
        }
        if (completion) {
            completion();
        }
    };
    if (!animated) {
        close();
        finish();
        return;
    }
    platform::ui::Animator::animate(animationDuration, close, [finish](bool) { finish(); });
}

// Results of the pages opened from here

void AddSignerViewController::newSignerSelectedFromPhonebook(const std::optional<std::string>& name,
                                                             const std::optional<std::string>& familiyName,
                                                             const std::optional<std::string>& email,
                                                             const std::optional<std::string>& company,
                                                             const std::optional<std::string>& jobTitle)
{
    fillFields(name, familiyName, email, jobTitle, company);
    signerType_ = Kind::recipient;
    updateUIForSignerType(signerType_);
    validateFirstName(true);
    validateLastName(true);
    validateEmail(true);
    manageAddButtonAvailability();
}

void AddSignerViewController::populateUIForSelectedGroup()
{
    if (!selectedGroup_) {
        return;
    }
    fillFields(selectedGroup_->groupName(), std::nullopt, selectedGroup_->groupEmail(), std::nullopt, std::nullopt);
    authenticationTypeLabel.lock()->setText(std::nullopt);
}

void AddSignerViewController::newPersonalMessageAvailable(const std::optional<std::string>& message)
{
    personalMessage_ = message;
    personalMessageCheckBox.lock()->setHidden(message.value_or("").empty());
    manageAddButtonAvailability();
}

// Handing over

std::optional<std::string> AddSignerViewController::signerFullName() const
{
    std::string fullName = textOf(firstNameTextField);
    const std::string lastName = textOf(lastNameTextField);
    if (!lastName.empty()) {
        fullName += " " + lastName;
    }
    return fullName.empty() ? std::nullopt : std::optional(fullName);
}

void AddSignerViewController::prepareForSegue(platform::ui::StoryboardSegue& segue, const std::shared_ptr<void>&)
{
    const auto& identifier = segue.identifier();
    const auto& destination = segue.destination();
    if (identifier == SignerSetupScenes::toPersonalMessagePageSegue) {
        if (const auto page = std::dynamic_pointer_cast<CreateTransactionSignerAddPersonalMessagePageInput>(destination)) {
            page->setDelegate(weakSelf());
            page->setPersonalMessage(personalMessage_);
            page->setSignerFullName(signerFullName());
        }
    } else if (identifier == SignerSetupScenes::toContactsPageSegue) {
        if (const auto page = std::dynamic_pointer_cast<CreateTransactionSignerChooseContactPageInput>(destination)) {
            page->setDelegate(weakSelf());
        }
    } else if (identifier == SignerSetupScenes::toAuthenticationMethodsPageSegue) {
        if (const auto page = std::dynamic_pointer_cast<CreateTransactionSignerAuthenticationMethodsPageInput>(destination)) {
            page->setAuthenticationMethod(authenticationMethod_);
            page->setDelegate(weakSelf());
        }
    } else if (identifier == SignerSetupScenes::toGroupsPageSegue) {
        if (const auto page = std::dynamic_pointer_cast<CreateTransactionPickGroupViewControllerInput>(destination)) {
            const auto groups = model()->getAvailableGroups();
            page->setGroupList(groups);
            const auto found = std::find(groups.begin(), groups.end(), selectedGroup_);
            if (selectedGroup_ && found != groups.end()) {
                page->setSelectedGroupIndex(static_cast<int>(found - groups.begin()));
            }
            page->setDelegate(weakSelf());
        }
    }
}

// Keyboard

void AddSignerViewController::keyboardDidShow(const platform::Notification& notification)
{
    const auto form = scrollView.lock();
    VTKeyboardInsets::apply(*form, VTKeyboardInsets::bottomInset(*view(), notification));
    VTKeyboardInsets::revealFirstResponder(*form);
    errorLabel.lock()->setText(localizedSDK("Required fields *"));
}

void AddSignerViewController::keyboardWillhide()
{
    VTKeyboardInsets::release(*scrollView.lock());
}

// The commit

void AddSignerViewController::addButtonAction(Control&)
{
    const bool firstNamePassed = validateFirstName(true);
    const bool lastNamePassed = validateLastName(true);
    const bool emailPassed = validateEmail(true);
    if (!(firstNamePassed && lastNamePassed && emailPassed) && firstNameFieldEnabled()) {
        addButton.lock()->setHidden(true);
        return;
    }
    ZKTracker::reportEvent("Add button");
    const auto input = signerInput();
    if (!input) {
        return;
    }
    if (const auto code = commitSignerInput(*input)) {
        showCommitResult(*code);
    }
}

// None for a group kind without a group.
std::optional<Dictionary> AddSignerViewController::signerInput() const
{
    const SignerInputDictionary::Settings settings{personalMessage_, changeRecipientSwitch.lock()->isOn(),
                                                   authenticationMethod_};
    if (signerType_ == Kind::group) {
        if (!selectedGroup_) {
            return std::nullopt;
        }
        return SignerInputDictionary::forGroup(*selectedGroup_, settings);
    }
    return SignerInputDictionary::forPerson({textOf(firstNameTextField), textOf(lastNameTextField),
                                             textOf(emailTextField), textOf(companyTextField), textOf(titleTextField)},
                                            settings);
}

// A new recipient is added; an edited one is replaced where the row was as loaded (a
// group by its id, anything else by its previous e-mail), whatever kind it has now.
std::optional<int> AddSignerViewController::commitSignerInput(const Dictionary& input) const
{
    const auto current = model();
    if (!signerIndex_) {
        return current->addSignerAtIndex(input, current->signersNumber());
    }
    if (!signerCurrentEmail_) {
        return std::nullopt;
    }
    if (signerCurrentType_ == Kind::group) {
        const Dictionary row = current->dataForSignerWithIndex(*signerIndex_);
        return current->addSignerReplaceExisitngGroupWithID(input, stringAt(row, "role"));
    }
    return current->addSignerReplaceExisitngSignerEmail(input, signerCurrentEmail_);
}

void AddSignerViewController::showCommitResult(int code)
{
    switch (code) {
    case VLTNewTransactionViewModel::accepted: {
        // The page goes with the unwind.
        const auto keepAlive = self();
        if (const auto listener = delegate()) {
            listener->signerHasBeenAdded();
        }
        performSegue(CreateTransactionStoryboard::fromAddSignerPageSegue, keepAlive);
        return;
    }
    case VLTNewTransactionViewModel::emailMalformed:
        CreateTransactionUtil::animateShakeWithDurationForView(*emailTextField.lock(), shakeDuration, shakeMovement,
                                                               nullptr);
        emailStatusBar.lock()->setHidden(false);
        showCommitError(localizableKey("Wrong email format."));
        return;
    case VLTNewTransactionViewModel::signerAlreadyAdded:
        showCommitError(localizableKey("This Signer is already added."));
        return;
    default:
        return;
    }
}

// On a phone held sideways the error line lies below the fold, under the keyboard too
// while it is up, where the sender would see nothing answer the tap.
void AddSignerViewController::showCommitError(const char* key)
{
    const auto error = errorLabel.lock();
    error->setText(localizedSDK(key));
    VTKeyboardInsets::reveal(*scrollView.lock(), *error);
}

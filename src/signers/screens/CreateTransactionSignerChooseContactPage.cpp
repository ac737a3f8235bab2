#include "signers/screens/CreateTransactionSignerChooseContactPage.h"

#include "composer/screens/CreateTransactionLook.h"
#include "contacts/ContactStore.h"
#include "foundation/RunLoop.h"
#include "signers/screens/CreateTransactionSignerContactCell.h"
#include "signers/screens/SignerSetupPageLayout.h"
#include "signers/screens/SignerSetupScenes.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"
#include "ui/AlertController.h"
#include "ui/Application.h"
#include "ui/Screen.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

using platform::contacts::AuthorizationStatus;
using platform::contacts::ContactKey;
using platform::graphics::makeRect;
using platform::ui::IndexPath;
using platform::ui::View;
using Cell = CreateTransactionSignerContactCell;

namespace {

constexpr const char* needPermissionText = localizableKey("Need permission to access Address Book");
constexpr double messageMargin = 24;
constexpr double messageHeight = 60;
constexpr double settingsButtonHeight = 44;

// Stable and in code-point order, each key made once.
void sortBySortKey(std::vector<std::shared_ptr<const ContactPerson>>& persons)
{
    std::vector<std::pair<std::string, std::shared_ptr<const ContactPerson>>> keyed;
    keyed.reserve(persons.size());
    for (auto& person : persons) {
        keyed.emplace_back(person->sortKey(), std::move(person));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t index = 0; index < keyed.size(); ++index) {
        persons[index] = std::move(keyed[index].second);
    }
}

} // namespace

std::shared_ptr<CreateTransactionSignerChooseContactPage> CreateTransactionSignerChooseContactPage::self()
{
    return std::static_pointer_cast<CreateTransactionSignerChooseContactPage>(shared_from_this());
}

// Views

void CreateTransactionSignerChooseContactPage::loadView()
{
    auto root = std::make_shared<View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(platform::graphics::Color::white());
    makePlaceholder(*root);
    makeTable(*root);
    topBar = std::make_shared<SignerSetupTopBar>(localizedSDK("Contacts"));
    backButton = topBar->addLeadingButton(localizedSDK("Back"));
    root->addSubview(topBar);
    statusBarView = SignerSetupPageLayout::makeStatusBarStrip();
    root->addSubview(statusBarView);
    setView(root);
}

void CreateTransactionSignerChooseContactPage::makePlaceholder(View& root)
{
    auto placeholder = std::make_shared<View>();
    placeholder->setBackgroundColor(CreateTransactionLook::pageBackground());
    auto message = std::make_shared<platform::ui::Label>();
    message->setFont(CreateTransactionLook::bodyFont());
    message->setTextColor(CreateTransactionLook::caption());
    message->setTextAlignment(platform::graphics::TextAlignment::center);
    message->setNumberOfLines(0);
    auto settings = std::make_shared<platform::ui::Button>();
    settings->setTitle(localizedSDK("Open Settings"));
    settings->setTitleColor(CreateTransactionLook::accent());
    settings->titleLabel()->setFont(platform::graphics::Font::boldSystemFont(17));
    placeholder->addSubview(message);
    placeholder->addSubview(settings);
    root.addSubview(placeholder);
    adressbookPlaceHolder = placeholder;
    permissionMessageLabel = message;
    gotoSettingsButton = settings;
}

void CreateTransactionSignerChooseContactPage::makeTable(View& root)
{
    auto table = std::make_shared<platform::ui::TableView>(platform::ui::TableViewStyle::plain);
    table->setBackgroundColor(platform::graphics::Color::white());
    table->registerCell(Cell::cellIdentifier, [] { return std::make_shared<Cell>(); });
    table->setHidden(true);
    root.addSubview(table);
    contactsTableView = table;
}

void CreateTransactionSignerChooseContactPage::viewDidLayoutSubviews()
{
    const auto content = SignerSetupPageLayout::layout(*this, *statusBarView, *topBar);
    contactsTableView.lock()->setFrame(content);
    const auto placeholder = adressbookPlaceHolder.lock();
    placeholder->setFrame(content);
    // The placeholder's ground runs to the edges; its message and button keep beside the notch.
    const auto safeContent = ZKScreen::withinSafeSides(*view(), content);
    const double left = safeContent.minX() - content.minX() + messageMargin;
    const double width = std::max(0.0, safeContent.width() - 2 * messageMargin);
    const double middle = content.height() / 2;
    permissionMessageLabel.lock()->setFrame(makeRect(left, middle - messageHeight, width, messageHeight));
    gotoSettingsButton.lock()->setFrame(makeRect(left, middle + 8, width, settingsButtonHeight));
}

// Loading

void CreateTransactionSignerChooseContactPage::viewDidLoad()
{
    wireActions();
    loadContactInfo();
}

void CreateTransactionSignerChooseContactPage::wireActions()
{
    const auto page = self();
    backButton->addTarget(page, platform::ui::ControlEvent::touchUpInside,
                          [this](platform::ui::Control& sender) { backButtonTapped(sender); });
    gotoSettingsButton.lock()->addTarget(page, platform::ui::ControlEvent::touchUpInside,
                                         [this](platform::ui::Control& sender) { settingsButtonTapped(sender); });
    const auto table = contactsTableView.lock();
    table->setDataSource(page);
    table->setDelegate(page);
}

void CreateTransactionSignerChooseContactPage::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    if (settingsAlertPending_) {
        settingsAlertPending_ = false;
        presentSettingsAlert();
    }
}

void CreateTransactionSignerChooseContactPage::loadContactInfo()
{
    permissionMessageLabel.lock()->setText(localizedSDK(needPermissionText));
    gotoSettingsButton.lock()->setHidden(false);
    switch (platform::contacts::ContactStore::authorizationStatus()) {
    case AuthorizationStatus::authorized:
        accessGranted();
        return;
    case AuthorizationStatus::restricted:
    case AuthorizationStatus::denied:
        askForOpenningSettingsAndChangePermission();
        accessRefused();
        return;
    case AuthorizationStatus::notDetermined:
        platform::contacts::ContactStore().requestAccess(
            [page = std::weak_ptr(self())](bool granted, const std::optional<platform::contacts::ContactError>&) {
                platform::RunLoop::main().dispatchAsync([page, granted] {
                    if (const auto alive = page.lock()) {
                        granted ? alive->accessGranted() : alive->accessRefused();
                    }
                });
            });
        return;
    }
}

void CreateTransactionSignerChooseContactPage::accessGranted()
{
    platform::RunLoop::main().assertMainThread("The contacts picker's access answer");
    loadContactListIOS9();
    populateContactSections();
    const auto table = contactsTableView.lock();
    table->reloadData();
    table->setHidden(false);
    const auto message = permissionMessageLabel.lock();
    message->setHidden(true);
    if (contacts_.empty()) {
        table->setHidden(true);
        message->setHidden(false);
        message->setText(localizedSDK("No Contacts on device"));
        gotoSettingsButton.lock()->setHidden(true);
    }
}

void CreateTransactionSignerChooseContactPage::accessRefused()
{
    platform::RunLoop::main().assertMainThread("The contacts picker's access answer");
    contactsTableView.lock()->setHidden(true);
    const auto message = permissionMessageLabel.lock();
    message->setHidden(false);
    message->setText(localizedSDK(needPermissionText));
    gotoSettingsButton.lock()->setHidden(false);
}

// An alert asked for while the page is still being loaded, before it is on screen,
// would be presented by a page nobody sees; it waits until the page has appeared.
void CreateTransactionSignerChooseContactPage::askForOpenningSettingsAndChangePermission()
{
    if (isVisible()) {
        presentSettingsAlert();
        return;
    }
    settingsAlertPending_ = true;
}

void CreateTransactionSignerChooseContactPage::presentSettingsAlert()
{
    auto alert = std::make_shared<platform::ui::AlertController>(
        localizedSDK("Can not access Address Book"),
        localizedSDK("You must give the app permission to access your Address Book."));
    alert->addAction({localizedSDK("Open Settings"), platform::ui::AlertActionStyle::defaultStyle, openSettings});
    alert->addAction({localizedSDK("Later"), platform::ui::AlertActionStyle::cancel, nullptr});
    present(alert, true);
}

void CreateTransactionSignerChooseContactPage::openSettings()
{
    platform::ui::Application::shared().openURL(platform::ui::Application::openSettingsURLString);
}

// Reading the address book

void CreateTransactionSignerChooseContactPage::loadContactListIOS9()
{
    const platform::contacts::ContactFetchRequest request{{ContactKey::imageData, ContactKey::givenName,
                                                           ContactKey::familyName, ContactKey::emailAddresses,
                                                           ContactKey::organizationName, ContactKey::jobTitle}};
    std::vector<std::shared_ptr<const ContactPerson>> read;
    // An error ends the reading; what was read before it is listed all the same.
    platform::contacts::ContactStore().enumerateContacts(
        request, [&read](const platform::contacts::Contact& contact, bool&) {
            read.push_back(std::make_shared<const ContactPerson>(contact));
        });
    contacts_ = std::move(read);
}

void CreateTransactionSignerChooseContactPage::populateContactSections()
{
    contactSections_.clear();
    std::unordered_map<std::string, std::size_t> sectionWithTitle;
    for (const auto& contact : contacts_) {
        auto title = contact->firstLetterOfName();
        const auto [found, added] = sectionWithTitle.try_emplace(title, contactSections_.size());
        if (added) {
            contactSections_.push_back({std::move(title), {}});
        }
        contactSections_[found->second].contactsInSection.push_back(contact);
    }
    std::stable_sort(contactSections_.begin(), contactSections_.end(),
                     [](const ContactSection& a, const ContactSection& b) { return a.sectionTitle < b.sectionTitle; });
    for (auto& section : contactSections_) {
        sortBySortKey(section.contactsInSection);
    }
    titleIndexDict_.clear();
    sectionTitles_.clear();
    for (std::size_t index = 0; index < contactSections_.size(); ++index) {
        titleIndexDict_[contactSections_[index].sectionTitle] = static_cast<int>(index);
        sectionTitles_.push_back(contactSections_[index].sectionTitle);
    }
}

// The table

const ContactPerson* CreateTransactionSignerChooseContactPage::contactAt(const IndexPath& indexPath) const
{
    if (indexPath.section < 0 || indexPath.section >= static_cast<int>(contactSections_.size())) {
        return nullptr;
    }
    const auto& persons = contactSections_[static_cast<std::size_t>(indexPath.section)].contactsInSection;
    if (indexPath.row < 0 || indexPath.row >= static_cast<int>(persons.size())) {
        return nullptr;
    }
    return persons[static_cast<std::size_t>(indexPath.row)].get();
}

int CreateTransactionSignerChooseContactPage::numberOfSections(platform::ui::TableView&)
{
    return static_cast<int>(contactSections_.size());
}

int CreateTransactionSignerChooseContactPage::numberOfRows(platform::ui::TableView&, int section)
{
    if (section < 0 || section >= static_cast<int>(contactSections_.size())) {
        return 0;
    }
    return static_cast<int>(contactSections_[static_cast<std::size_t>(section)].contactsInSection.size());
}

std::optional<std::string> CreateTransactionSignerChooseContactPage::titleForHeader(platform::ui::TableView&,
                                                                                   int section)
{
    if (section < 0 || section >= static_cast<int>(contactSections_.size())) {
        return std::nullopt;
    }
    return contactSections_[static_cast<std::size_t>(section)].sectionTitle;
}

int CreateTransactionSignerChooseContactPage::sectionForSectionIndexTitle(platform::ui::TableView&,
                                                                         const std::string& title, int)
{
    const auto found = titleIndexDict_.find(title);
    return found == titleIndexDict_.end() ? 0 : found->second;
}

std::optional<double> CreateTransactionSignerChooseContactPage::heightForRow(platform::ui::TableView&,
                                                                             const IndexPath& indexPath)
{
    const auto* contact = contactAt(indexPath);
    if (!contact || contact->emails().size() < 2 || indexPathForCellToExpand_ != indexPath) {
        return Cell::collapsedHeight;
    }
    return Cell::collapsedHeight + Cell::emailRowHeight * static_cast<double>(contact->emails().size());
}

std::optional<double> CreateTransactionSignerChooseContactPage::heightForHeader(platform::ui::TableView&, int)
{
    return headerHeight;
}

std::optional<double> CreateTransactionSignerChooseContactPage::heightForFooter(platform::ui::TableView&, int)
{
    return std::numeric_limits<double>::min();
}

platform::ui::TableViewCellPtr CreateTransactionSignerChooseContactPage::cellForRow(platform::ui::TableView& table,
                                                                                   const IndexPath& indexPath)
{
    const auto row = std::dynamic_pointer_cast<Cell>(table.dequeueReusableCell(Cell::cellIdentifier, indexPath));
    const auto* contact = contactAt(indexPath);
    if (!row || !contact) {
        return std::make_shared<platform::ui::TableViewCell>();
    }
    fill(*row, *contact);
    return row;
}

void CreateTransactionSignerChooseContactPage::fill(Cell& cell, const ContactPerson& contact)
{
    const auto& picture = contact.picture();
    const auto image = cell.contactImageView.lock();
    image->setImage(picture);
    image->setHidden(!picture);
    cell.contactIcon.lock()->setHidden(picture != nullptr);
    cell.contactNameLabel.lock()->setText(contact.firstName() + " " + contact.lastName());
    const auto& emails = contact.emails();
    const auto line = cell.contactEmailLabel.lock();
    if (emails.empty()) {
        line->setText(localizedSDK("No email"));
    } else if (emails.size() == 1) {
        line->setText(emails.front());
    } else {
        line->setText(std::to_string(emails.size()) + " " + localizedSDK("emails"));
    }
    cell.emails = emails;
    cell.tableView.lock()->reloadData();
    cell.setDelegate(self());
    cell.setNeedsLayout();
}

// Choosing

void CreateTransactionSignerChooseContactPage::contactCellisTappedForSelection(Cell& cell)
{
    if (const auto indexPath = contactsTableView.lock()->indexPathForCell(cell)) {
        handleContactCellTappedAtIndexPath(*indexPath);
    }
}

void CreateTransactionSignerChooseContactPage::handleContactCellTappedAtIndexPath(const IndexPath& indexPath)
{
    const auto* contact = contactAt(indexPath);
    if (!contact) {
        return;
    }
    const auto& emails = contact->emails();
    if (emails.size() < 2) {
        handOver(*contact, emails.empty() ? std::nullopt : std::optional(emails.front()));
        return;
    }
    indexPathForCellToExpand_ = indexPathForCellToExpand_ == indexPath ? std::nullopt : std::optional(indexPath);
    const auto table = contactsTableView.lock();
    table->beginUpdates();
    table->endUpdates();
}

void CreateTransactionSignerChooseContactPage::userDidSelectAnEmail(const std::string& email, Cell& cell)
{
    const auto indexPath = contactsTableView.lock()->indexPathForCell(cell);
    const auto* contact = indexPath ? contactAt(*indexPath) : nullptr;
    if (contact) {
        handOver(*contact, email);
    }
}

void CreateTransactionSignerChooseContactPage::handOver(const ContactPerson& contact,
                                                        const std::optional<std::string>& email)
{
    if (const auto opener = delegate()) {
        opener->newSignerSelectedFromPhonebook(contact.firstName(), contact.lastName(), email, contact.company(),
                                               contact.jobTitle());
    }
    performSegue(SignerSetupScenes::fromContactsPageSegue, shared_from_this());
}

void CreateTransactionSignerChooseContactPage::backButtonTapped(platform::ui::Control&)
{
    performSegue(SignerSetupScenes::fromContactsPageSegue, shared_from_this());
}

void CreateTransactionSignerChooseContactPage::settingsButtonTapped(platform::ui::Control&)
{
    openSettings();
}

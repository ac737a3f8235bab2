#pragma once

#include "signers/screens/CreateTransactionSignerChooseContactPageInput.h"

#include "signers/screens/ContactPerson.h"
#include "signers/screens/ContactSection.h"
#include "signers/screens/CreateTransactionSignerChooseContactPageDelegate.h"
#include "signers/screens/CreateTransactionSignerContactCellDelegate.h"
#include "signers/screens/SignerSetupTopBar.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TableView.h"
#include "ui/ViewController.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The contacts picker, opened from the add/edit recipient page: it asks for access to the
// device's address book (explaining a refusal and offering the app's settings), reads
// every contact once when it loads, lists them in sections by the first letter of the
// last name, and hands the chosen contact with one of its addresses to its opener. Rows of
// contacts with several addresses open to list them, one row at a time. Main thread only;
// the answer to the access request comes back on the main run loop.
class CreateTransactionSignerChooseContactPage : public platform::ui::ViewController,
                                                 public platform::ui::TableViewDataSource,
                                                 public platform::ui::TableViewDelegate,
                                                 public CreateTransactionSignerContactCellDelegate,
                                                 public CreateTransactionSignerChooseContactPageInput {
public:
    static constexpr double headerHeight = 30;

    std::shared_ptr<CreateTransactionSignerChooseContactPageDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionSignerChooseContactPageDelegate>& delegate) override
    {
        delegate_ = delegate;
    }

    const std::vector<std::shared_ptr<const ContactPerson>>& contacts() const { return contacts_; }
    const std::vector<ContactSection>& contactSections() const { return contactSections_; }
    const std::map<std::string, int>& titleIndexDict() const { return titleIndexDict_; }
    const std::vector<std::string>& sectionTitles() const { return sectionTitles_; }
    const std::optional<platform::ui::IndexPath>& indexPathForCellToExpand() const { return indexPathForCellToExpand_; }

    // Life cycle.
    void loadView() override;
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewDidLayoutSubviews() override;
    platform::ui::StatusBarStyle preferredStatusBarStyle() const override
    {
        return platform::ui::StatusBarStyle::lightContent;
    }
    platform::ui::OrientationMask supportedInterfaceOrientations() const override
    {
        return platform::ui::OrientationMask::all;
    }

    // Actions.
    void backButtonTapped(platform::ui::Control& sender);
    void settingsButtonTapped(platform::ui::Control& sender);

    // The rows' messages.
    void contactCellisTappedForSelection(CreateTransactionSignerContactCell& cell) override;
    void userDidSelectAnEmail(const std::string& email, CreateTransactionSignerContactCell& cell) override;

    // The table.
    int numberOfSections(platform::ui::TableView& table) override;
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    std::optional<std::string> titleForHeader(platform::ui::TableView& table, int section) override;
    int sectionForSectionIndexTitle(platform::ui::TableView& table, const std::string& title, int index) override;
    std::optional<double> heightForRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;
    std::optional<double> heightForHeader(platform::ui::TableView& table, int section) override;
    std::optional<double> heightForFooter(platform::ui::TableView& table, int section) override;

    // Outlets.
    std::weak_ptr<platform::ui::View> adressbookPlaceHolder;
    std::weak_ptr<platform::ui::Label> permissionMessageLabel;
    std::weak_ptr<platform::ui::TableView> contactsTableView;
    std::weak_ptr<platform::ui::Button> gotoSettingsButton;
    std::shared_ptr<platform::ui::View> statusBarView;
    std::shared_ptr<SignerSetupTopBar> topBar;
    std::shared_ptr<platform::ui::Button> backButton;

private:
    std::shared_ptr<CreateTransactionSignerChooseContactPage> self();
    void makePlaceholder(platform::ui::View& root);
    void makeTable(platform::ui::View& root);
    void wireActions();

    void loadContactInfo();
    void accessGranted();
    void accessRefused();
    void askForOpenningSettingsAndChangePermission();
    void presentSettingsAlert();
    static void openSettings();
    void loadContactListIOS9();
    void populateContactSections();

    const ContactPerson* contactAt(const platform::ui::IndexPath& indexPath) const;
    void fill(CreateTransactionSignerContactCell& cell, const ContactPerson& contact);
    void handleContactCellTappedAtIndexPath(const platform::ui::IndexPath& indexPath);
    void handOver(const ContactPerson& contact, const std::optional<std::string>& email);

    std::weak_ptr<CreateTransactionSignerChooseContactPageDelegate> delegate_;
    std::vector<std::shared_ptr<const ContactPerson>> contacts_;
    std::vector<ContactSection> contactSections_;
    std::map<std::string, int> titleIndexDict_;
    std::vector<std::string> sectionTitles_;
    std::optional<platform::ui::IndexPath> indexPathForCellToExpand_;
    // The settings alert waits for the page to be on screen when it is asked for earlier.
    bool settingsAlertPending_ = false;
};

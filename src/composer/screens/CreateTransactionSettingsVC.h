#pragma once

#include "composer/screens/CreateTransactionAutoCompleteCellDelegate.h"
#include "composer/screens/CreateTransactionDescriptionCellDelegate.h"
#include "composer/screens/CreateTransactionExpiryDateCellDelegate.h"
#include "composer/screens/CreateTransactionInPersonSigningCellDelegate.h"
#include "composer/screens/CreateTransactionMessageToSignersCellDelegate.h"
#include "composer/screens/CreateTransactionSettingsVCDelegate.h"
#include "composer/screens/CreateTransactionTransactionNameCellDelegate.h"
#include "foundation/Date.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TableView.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/ViewController.h"

#include <memory>
#include <optional>
#include <string>

class CreateTransactionExpiryDateCell;

// The transaction settings page, opened from the main page: the transaction's name,
// description, message to all recipients, in-person signing, auto-complete and expiry
// date. It copies them from the new-transaction model when it loads, keeps the edits as
// pending values of its own (each edit shows Save) and writes all of them back only on
// Save; Back drops them. The rows always show the pending values, which are what Save
// writes. Main thread only.
class CreateTransactionSettingsVC : public platform::ui::ViewController,
                                    public platform::ui::TableViewDataSource,
                                    public platform::ui::TableViewDelegate,
                                    public CreateTransactionTransactionNameCellDelegate,
                                    public CreateTransactionDescriptionCellDelegate,
                                    public CreateTransactionMessageToSignersCellDelegate,
                                    public CreateTransactionInPersonSigningCellDelegate,
                                    public CreateTransactionAutoCompleteCellDelegate,
                                    public CreateTransactionExpiryDateCellDelegate {
public:
    enum Row : int { name, description, message, inPersonSigning, autoComplete, expiryDate, bottomSpace, rowCount };

    static constexpr const char* nameCellIdentifier = "transactionNameSettingsCell";
    static constexpr const char* descriptionCellIdentifier = "transactionDescriptionSettingsCell";
    static constexpr const char* messageCellIdentifier = "transactionMessageSettingsCell";
    static constexpr const char* inPersonSigningCellIdentifier = "transactionInPersonSigningSettingsCell";
    static constexpr const char* autoCompleteCellIdentifier = "transactionAutoCompleteSettingsCell";
    static constexpr const char* expiryDateCellIdentifier = "transactionExpiryDateSettingsCell";
    static constexpr double nameRowHeight = 103;
    static constexpr double collapsedRowHeight = 45;
    static constexpr double openTextRowHeight = 139;
    static constexpr double openExpiryRowHeight = 262;
    static constexpr double bottomSpaceHeight = 135;
    static constexpr double expiryScrollDelay = 0.1;

    CreateTransactionSettingsVC();

    std::shared_ptr<CreateTransactionSettingsVCDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionSettingsVCDelegate>& delegate) { delegate_ = delegate; }
    bool saveButtonEnabled() const { return saveButtonEnabled_; }

    // Life cycle.
    void loadView() override;
    void viewDidLoad() override;
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
    void saveButtonTapped(platform::ui::Control& sender);
    void backButtonTapped(platform::ui::Control& sender);
    void handleTapGesture();

    // The rows' messages.
    void transactionNameCellShouldUpdateTransactionName(const std::string& transactionName,
                                                        CreateTransactionTransactionNameCell& cell) override;
    void transactionNameCellDidRequestBlurView(bool visible, bool animated,
                                               CreateTransactionTransactionNameCell& cell) override;
    void createTransactionDescriptionCellShouldUpdateTransactionDescription(
        const std::optional<std::string>& description, CreateTransactionDescriptionCell& cell) override;
    void createTransactionDescriptionCellDidBeginEditing(CreateTransactionDescriptionCell& cell) override;
    void createTransactionDescriptionCellDidChangeMinimized(bool minimized,
                                                            CreateTransactionDescriptionCell& cell) override;
    void createTransactionMessageToSignersCellShouldUpdateTransactionMessage(
        const std::optional<std::string>& message, CreateTransactionMessageToSignersCell& cell) override;
    void createTransactionMessageToSignersCellDidBeginEditing(CreateTransactionMessageToSignersCell& cell) override;
    void createTransactionMessageToSignersCellDidChangeMinimized(bool minimized,
                                                                 CreateTransactionMessageToSignersCell& cell) override;
    void createTransactionInPersonSigningUpdated(bool inPerson, CreateTransactionInPersonSigningCell& cell) override;
    void createTransactionAutoCompleteUpdated(bool autoComplete, CreateTransactionAutoCompleteCell& cell) override;
    void createTransactionExpiryDateUpdated(const std::optional<platform::Date>& expiryDate,
                                            CreateTransactionExpiryDateCell& cell) override;
    void createTransactionExpiryDateCellDidRequestToggle(CreateTransactionExpiryDateCell& cell) override;
    void createTransactionExpiryDateCellDidRequestCollapse(CreateTransactionExpiryDateCell& cell) override;

    // The table.
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    // Which rows are collapsed.
    bool transactionDescriptionCellMinimized = true;
    bool messageToAllRecipientsCellMinimized = true;
    bool expiryDateCellMinimized = true;
    std::shared_ptr<platform::ui::TapGestureRecognizer> tapGesture;

    // Outlets.
    std::weak_ptr<platform::ui::Button> saveButton;
    std::weak_ptr<platform::ui::TableView> tableView;
    std::shared_ptr<platform::ui::View> statusBarView;
    std::shared_ptr<platform::ui::View> topBar;
    std::shared_ptr<platform::ui::Label> titleLabel;
    std::shared_ptr<platform::ui::Button> backButton;

private:
    std::shared_ptr<CreateTransactionSettingsVC> self();
    void makeTopBar(platform::ui::View& root);
    void makeTable(platform::ui::View& root);
    void wireActions();
    void observeKeyboard();

    // The pending values; setting any of them offers Save.
    void setTransactionTitle(const std::optional<std::string>& title);
    void setTransactionDescription(const std::optional<std::string>& description);
    void setTransactionMessage(const std::optional<std::string>& message);
    void setInPersonSigning(bool inPerson);
    void setAutoComplete(bool autoComplete);
    void setExpiryDate(const std::optional<platform::Date>& expiryDate);
    void pendingValueChanged();

    void readPropertiesFromViewModel();
    void saveSettingsOnViewModel();
    void manageExpiryDateCell(bool minimized, CreateTransactionExpiryDateCell& cell);
    double cellHeightForMessageToAllRecipientsCell() const;
    void updateCellHeights();
    void scrollToTop(platform::ui::TableViewCell& cell);

    static const char* identifierForRow(int row);
    bool configure(platform::ui::TableViewCell& cell, int row);
    // Hands a dequeued cell of the expected class its page and values; false for any
    // other cell.
    template <class Cell, class Setup>
    bool configureAs(platform::ui::TableViewCell& cell, const Setup& setup);

    std::weak_ptr<CreateTransactionSettingsVCDelegate> delegate_;
    bool saveButtonEnabled_ = false;
    std::optional<std::string> transactionTitle_;
    std::optional<std::string> transactionDescription_;
    std::optional<std::string> transactionMessage_;
    bool inPersonSigning_ = false;
    bool autoComplete_ = true;
    std::optional<platform::Date> expiryDate_;
};

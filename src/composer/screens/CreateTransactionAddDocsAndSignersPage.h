#pragma once

#include "composer/VLTNewTransactionViewModelDelegate.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPageDelegate.h"
#include "composer/screens/CreateTransactionAddDocumentCellDelegate.h"
#include "composer/screens/CreateTransactionAddRecipientCellDelegate.h"
#include "composer/screens/CreateTransactionDocumentListCellDelegate.h"
#include "composer/screens/CreateTransactionEmailMessageCellDelegate.h"
#include "composer/screens/CreateTransactionPageRowHeights.h"
#include "composer/screens/CreateTransactionRecipientListCellDelegate.h"
#include "composer/screens/CreateTransactionSettingsVCDelegate.h"
#include "composer/screens/CreateTransactionTransactionNameCellDelegate.h"
#include "dragdrop/DocumentInteractionController.h"
#include "foundation/NotificationCenter.h"
#include "sdk/screens/VLTOpenInPreviewControllerDelegate.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TableView.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/ViewController.h"
#include "ui/VisualEffectView.h"

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

class VLTNewTransactionViewModel;

// The page on which a sender names a transaction and sees its documents, recipients
// and (on tablets) the message to all recipients; it leaves the composer by Next (the
// transaction starts as a local draft) or Close (the edits are committed). It owns no
// data: it shows the new-transaction model and is that model's delegate while on screen.
//
// While the name row is open the rest of the page is blurred and Next carries the Done
// glyph "C"; once closed, Next (glyph "Y") shows only for a transaction with a name, a
// document and a recipient and no placeholder recipient. Main thread only.
class CreateTransactionAddDocsAndSignersPage : public platform::ui::ViewController,
                                               public platform::ui::TableViewDataSource,
                                               public platform::ui::TableViewDelegate,
                                               public VLTNewTransactionViewModelDelegate,
                                               public CreateTransactionTransactionNameCellDelegate,
                                               public CreateTransactionAddDocumentCellDelegate,
                                               public CreateTransactionAddRecipientCellDelegate,
                                               public CreateTransactionDocumentListCellDelegate,
                                               public CreateTransactionRecipientListCellDelegate,
                                               public CreateTransactionEmailMessageCellDelegate,
                                               public CreateTransactionSettingsVCDelegate,
                                               public VLTOpenInPreviewControllerDelegate,
                                               public platform::dragdrop::DocumentInteractionControllerDelegate {
public:
    using Row = CreateTransactionPageRowHeights::Row;

    static constexpr const char* nameCellIdentifier = "CreateTransactionTransactionNameCell";
    static constexpr const char* addDocumentsCellIdentifier = "createTransactionAddDocumentsCell";
    static constexpr const char* documentsHeaderCellIdentifier = "createTransactionDocumentsHeaderCell";
    static constexpr const char* documentListCellIdentifier = "createTransactionDocumentListCell";
    static constexpr const char* addRecipientsCellIdentifier = "createTransactionAddRecipientsCell";
    static constexpr const char* recipientListCellIdentifier = "createTransactionRecipientListCell";
    static constexpr const char* emailToAllCellIdentifier = "createTransactionEmailToAllCell";
    static constexpr const char* nextGlyph = "Y";
    static constexpr const char* doneGlyph = "C";
    static constexpr const char* titleFontName = "Ubuntu-Light";
    static constexpr double blurAnimationDuration = 0.4;
    static constexpr double blurRequestDelay = 0.1;
    static constexpr double orderReloadDelay = 0.25;
    static constexpr double openInPreviewDelay = 1;

    CreateTransactionAddDocsAndSignersPage();

    std::shared_ptr<CreateTransactionAddDocsAndSignersPageDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionAddDocsAndSignersPageDelegate>& delegate)
    {
        delegate_ = delegate;
    }

    // Life cycle.
    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void viewDidLayoutSubviews() override;
    platform::ui::OrientationMask supportedInterfaceOrientations() const override;
    platform::ui::StatusBarStyle preferredStatusBarStyle() const override;
    void prepareForSegue(platform::ui::StoryboardSegue& segue, const std::shared_ptr<void>& sender) override;

    // Actions.
    void nextButtonTappedWithSender(platform::ui::Control& sender);
    void closeButtonTappedWithSender(platform::ui::Control& sender);
    void transactionNameButtonTappedWithSender(platform::ui::Control& sender);
    void settingsButtonTappedWithSender(platform::ui::Control& sender);
    void handleTapGesture();
    void keyboardWillDismiss();
    void keyboardDidShow(const platform::Notification& notification);
    void willEnterForeground();
    void didReceivenewTemplateNotificationWithNotification(const platform::Notification& notification);
    void transactionNameDidBeginEditing();

    // Operations of the page, for its rows, the settings page and itself.
    void manageNextButton();
    void setTransactionName(const std::string& transactionName);
    void showBlurView(bool animated);
    void hideBlurView(bool animated);
    void updateCellHeights();
    void shouldUpdateTransactionNameTo(const std::optional<std::string>& newName) override;
    void transactionNameCellDidRequestBlurView(bool visible, bool animated,
                                               CreateTransactionTransactionNameCell& cell) override;
    void transactionNameCellShouldUpdateTransactionName(const std::string& transactionName,
                                                        CreateTransactionTransactionNameCell& cell) override;
    void addDocumentsButtonTapped() override;
    void orderedSigningSwitchChanged(bool on) override;
    void setSelectedSignerIndex(std::optional<int> index) override { selectedSignerIndex = index; }
    void performSegueWithIdentifierSender(const std::string& identifier, const std::shared_ptr<void>& sender) override;
    void createTransactionRecipientListCellTurnedOnOrderedSigning() override;
    void emailMessageCellDidBeginEditing(CreateTransactionEmailMessageCell& cell) override;
    void createTransactionDocumentListCellContentOfFilePreviewRequested(const std::string& filePath,
                                                                     int documentIndex) override;
    void previewContentOfFileAtPath(const std::filesystem::path& path);
    // Does nothing: the pages opened from here come back through it only to be redrawn.
    void unwindToCreateTransactionPageWithSegue(platform::ui::StoryboardSegue& segue);

    // The model's messages.
    void signersHaveBeenUpdated() override;
    void signerOrderChanged(bool orderedSigning) override;
    void documentsHaveBeenUpdated() override;

    // The open-in preview's choices.
    void didSelectStartInPreviewForFileAtPathName(const std::string& path, const std::string& name) override;
    void didSelectSaveForFileAtPathName(const std::string& path, const std::string& name) override;

    // The document preview.
    std::shared_ptr<platform::ui::ViewController> documentInteractionControllerViewControllerForPreview(
        platform::dragdrop::DocumentInteractionController& controller) override;
    void documentInteractionControllerDidEndPreview(platform::dragdrop::DocumentInteractionController& controller) override;

    // The table.
    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

    // Fields.
    std::optional<int> selectedSignerIndex;
    bool canAddDocuments = false;
    bool canDeleteDocuments = false;
    bool canReorderDocuments = false;
    std::optional<bool> isEditingTransaction;
    bool firstTimeManagingTheNextButtonAfterViewDidLoad = true;
    bool shouldRevealTransactionNameCell = true;
    std::shared_ptr<platform::ui::TapGestureRecognizer> tapGesture;

    // Outlets.
    std::weak_ptr<platform::ui::TableView> tableView;
    std::weak_ptr<platform::ui::Button> settingsButton;
    std::weak_ptr<platform::ui::VisualEffectView> blurView;
    std::weak_ptr<platform::ui::Button> nextButton;
    std::weak_ptr<platform::ui::Button> transactionNameButton;
    std::weak_ptr<platform::ui::View> topBar;
    std::weak_ptr<platform::ui::Button> iPadNextButton;
    std::weak_ptr<platform::ui::View> iPadNextButtonView;
    std::weak_ptr<platform::ui::Label> iPadNextButtonIcon;
    std::weak_ptr<platform::ui::Button> iPadSettingsButton;
    std::shared_ptr<platform::ui::View> statusBarView;
    // Not an outlet of its own in the layout, but what a person taps to leave.
    std::weak_ptr<platform::ui::Button> closeButton;

private:
    std::shared_ptr<CreateTransactionAddDocsAndSignersPage> self();
    std::weak_ptr<CreateTransactionAddDocsAndSignersPage> weakSelf();
    static std::shared_ptr<VLTNewTransactionViewModel> model();
    CreateTransactionPageRowHeights rowHeights() const;

    void makeTopBar(platform::ui::View& root);
    void makeTable(platform::ui::View& root);
    void makeRegularNextButton(platform::ui::View& root);
    void wireActions();
    void observeNotifications();
    void registerCells(platform::ui::TableView& table);
    // The bar spans the width; its buttons and title keep within the safe band.
    void layoutTopBar(double top, double width, const platform::graphics::Rect& safeBand);
    void applyTableInset();

    void loadTransaction();
    void finishLoading(const std::optional<Dictionary>& error);
    void reportScreenName();
    void leave();
    void startTransaction();
    static void showStoreFailure(const std::string& description);
    void setNextGlyph(const std::string& glyph);
    void showNextButtons(bool visible);
    bool isTransactionValid();
    void firstNextButtonPass();

    void reloadRows(std::initializer_list<int> rows);
    void configureRow(platform::ui::TableViewCell& cell, int row);
    void configureNameCell(platform::ui::TableViewCell& cell);
    void configureAddDocumentCell(platform::ui::TableViewCell& cell);
    void configureDocumentListCell(platform::ui::TableViewCell& cell);
    void configureAddRecipientCell(platform::ui::TableViewCell& cell);
    void configureEmailCell(platform::ui::TableViewCell& cell);
    void configureRecipientListCell(platform::ui::TableViewCell& cell);

    std::weak_ptr<CreateTransactionAddDocsAndSignersPageDelegate> delegate_;
    bool loadingFinished_ = false;
    std::optional<bool> laidOutInLandscape_;
    std::shared_ptr<platform::dragdrop::DocumentInteractionController> documentPreview_;
    std::optional<platform::NotificationCenter::Token> foregroundObserver_;
    std::optional<platform::NotificationCenter::Token> keyboardObserver_;
    std::optional<platform::NotificationCenter::Token> keyboardShowObserver_;
    // What the keyboard covers of the page while it is up.
    double keyboardInset_ = 0;
    // Views of the layout that size classes show or hide.
    std::shared_ptr<platform::ui::View> compactBarControls_;
    std::shared_ptr<platform::ui::View> regularBarControls_;
    std::shared_ptr<platform::ui::View> regularNextArea_;
};

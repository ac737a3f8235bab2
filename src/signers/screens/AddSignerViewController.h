#pragma once

#include "composer/screens/CreateTransactionAddSignerPageInput.h"
#include "composer/screens/CreateTransactionSignerType.h"
#include "foundation/Dictionary.h"
#include "foundation/NotificationCenter.h"
#include "graphics/Color.h"
#include "model/ZKGroup.h"
#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/AddSignerViewControllerDelegate.h"
#include "signers/screens/CreateTransactionPickGroupViewControllerDelegate.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePageDelegate.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageDelegate.h"
#include "signers/screens/CreateTransactionSignerChooseContactPageDelegate.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ScrollView.h"
#include "ui/Switch.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/TextField.h"
#include "ui/ViewController.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class AddSignerFieldRow;
class AddSignerSourceMenu;
class VLTNewTransactionViewModel;

// The page on which the sender adds one recipient to the transaction being composed, or
// edits one already in it (the main page hands it the row to edit, none to add). Five
// fields, of which first name, last name and e-mail are checked; a source menu that fills
// them from the signed-in user, a device contact or a signing group (only while the page
// holds a placeholder, the kind of every new recipient until a source is chosen); the
// personal message, the authentication method and the change permission. Add hands the
// recipient to the new-transaction model and shows what its answer means; on success the
// page unwinds to the main page. Main thread only.
class AddSignerViewController : public platform::ui::ViewController,
                                public CreateTransactionAddSignerPageInput,
                                public CreateTransactionSignerChooseContactPageDelegate,
                                public CreateTransactionSignerAuthenticationMethodsPageDelegate,
                                public CreateTransactionSignerAddPersonalMessagePageDelegate,
                                public CreateTransactionPickGroupViewControllerDelegate {
public:
    using Completion = std::function<void()>;

    static constexpr const char* addGlyph = "+";
    static constexpr const char* editGlyph = "C";
    static constexpr const char* personalMessageGlyph = "C";
    static constexpr double shakeDuration = 0.3;
    static constexpr double shakeMovement = 12;
    static constexpr double menuClosedScale = 0.9;

    AddSignerViewController();

    // State.
    std::shared_ptr<AddSignerViewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<AddSignerViewControllerDelegate>& delegate) { delegate_ = delegate; }
    bool darkCoverShowing() const { return darkCoverShowing_; }
    const std::optional<int>& signerIndex() const { return signerIndex_; }
    void setSignerIndex(std::optional<int> signerIndex) override { signerIndex_ = signerIndex; }
    const std::optional<std::string>& signerCurrentEmail() const { return signerCurrentEmail_; }
    const std::optional<CreateTransactionSignerType>& signerCurrentType() const { return signerCurrentType_; }
    const std::optional<std::string>& personalMessage() const { return personalMessage_; }
    const SignerAuthenticationMethod& authenticationMethod() const { return authenticationMethod_; }
    void setAuthenticationMethod(const SignerAuthenticationMethod& authenticationMethod) override
    {
        authenticationMethod_ = authenticationMethod;
    }
    CreateTransactionSignerType signerType() const { return signerType_; }
    void setSignerType(CreateTransactionSignerType signerType) override { signerType_ = signerType; }
    const std::shared_ptr<ZKGroup>& selectedGroup() const { return selectedGroup_; }
    void setSelectedGroup(const std::shared_ptr<ZKGroup>& selectedGroup) override { selectedGroup_ = selectedGroup; }

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
    void prepareForSegue(platform::ui::StoryboardSegue& segue, const std::shared_ptr<void>& sender) override;

    // Actions.
    void closeButtonAction(platform::ui::Control& sender);
    void addButtonAction(platform::ui::Control& sender);
    void signerButtonTapped(platform::ui::Control& sender);
    void addMyselfButtonTapped(platform::ui::Control& sender);
    void addFromContactsButtonTapped(platform::ui::Control& sender);
    void addFrpmGroupsButtonTapped(platform::ui::Control& sender);
    void personalMessageButtonTapped(platform::ui::Control& sender);
    void authenticationMethodButtonTapped(platform::ui::Control& sender);
    void changeRecipientSwitchChanged(platform::ui::Control& sender);
    void returnButtonTapped(platform::ui::Control& sender);
    void textFieldEditingDidEnd(platform::ui::Control& sender);
    void textFieldContentUpdated(platform::ui::Control& sender);
    void dismissKeyboard();
    void darkCoverTapped();
    void unwindToAddSignerViewController(platform::ui::StoryboardSegue& segue);
    void keyboardDidShow(const platform::Notification& notification);
    void keyboardWillhide();

    // What the page shows.
    void updateUIForSignerType(CreateTransactionSignerType signerType) override;
    void populateUIForSelectedGroup() override;
    void manageAddButtonAvailability() override;
    void updateAuthenticationMethodLabel() override;
    void manageAddFromGroupsMenuItem();
    void showContactSourceOptions(bool animated, const Completion& completion);
    void hideContactSourceOptions(bool animated, const Completion& completion);

    // The field checks; with animateOnUI a failing row is marked and shaken, a passing one
    // unmarked. Each answers whether it passed.
    bool validateFirstName(bool animateOnUI);
    bool validateLastName(bool animateOnUI);
    bool validateEmail(bool animateOnUI);

    // Results of the pages opened from here.
    void newSignerSelectedFromPhonebook(const std::optional<std::string>& name,
                                        const std::optional<std::string>& familiyName,
                                        const std::optional<std::string>& email,
                                        const std::optional<std::string>& company,
                                        const std::optional<std::string>& jobTitle) override;
    void newPersonalMessageAvailable(const std::optional<std::string>& message) override;

    // Looks.
    double animationDuration = 0.25;
    platform::graphics::Color menuDisabledItemColor = platform::graphics::Color::lightGray();
    platform::graphics::Color menuEnabledItemColor = platform::graphics::Color::fromRGBA(0.047, 0.267, 0.427, 1.0);

    // Outlets.
    std::shared_ptr<platform::ui::Label> topBarTitleLabel;
    std::weak_ptr<platform::ui::Label> errorLabel;
    std::weak_ptr<platform::ui::Button> addButton;
    std::weak_ptr<platform::ui::ScrollView> scrollView;
    std::weak_ptr<platform::ui::View> firstNameView;
    std::weak_ptr<platform::ui::View> firstNameStatusBar;
    std::weak_ptr<platform::ui::TextField> firstNameTextField;
    std::weak_ptr<platform::ui::View> lastNameView;
    std::weak_ptr<platform::ui::View> lastNameStatusBar;
    std::weak_ptr<platform::ui::TextField> lastNameTextField;
    std::weak_ptr<platform::ui::View> emailView;
    std::weak_ptr<platform::ui::View> emailStatusBar;
    std::weak_ptr<platform::ui::TextField> emailTextField;
    std::weak_ptr<platform::ui::View> titleView;
    std::weak_ptr<platform::ui::View> titleStatusBar;
    std::weak_ptr<platform::ui::TextField> titleTextField;
    std::weak_ptr<platform::ui::View> companyView;
    std::weak_ptr<platform::ui::View> companyStatusBar;
    std::weak_ptr<platform::ui::TextField> companyTextField;
    std::weak_ptr<platform::ui::Label> authenticationTypeLabel;
    std::weak_ptr<platform::ui::Label> personalMessageCheckBox;
    std::weak_ptr<platform::ui::Switch> changeRecipientSwitch;
    std::weak_ptr<platform::ui::View> darkCoverView;
    std::weak_ptr<platform::ui::View> signerMenuView;
    std::weak_ptr<platform::ui::Button> signerButtonAdd;
    std::weak_ptr<platform::ui::Button> authenticationButton;
    std::weak_ptr<platform::ui::Label> addGroupIcon;
    std::weak_ptr<platform::ui::Label> addGroupLabel;
    std::weak_ptr<platform::ui::Button> addGroupButton;
    std::weak_ptr<platform::ui::Button> personalMessageButton;
    std::weak_ptr<platform::ui::Label> allowChangeRecipientLabel;
    std::shared_ptr<platform::ui::View> statusBarView;
    std::shared_ptr<platform::ui::TapGestureRecognizer> backViewTapGesture;
    std::shared_ptr<platform::ui::TapGestureRecognizer> darkCoverTapGesture;
    // Not outlets of the layout, but what a person taps to leave and to pick a source.
    std::shared_ptr<platform::ui::Button> closeButton;
    std::weak_ptr<platform::ui::Button> addMyselfButton;
    std::weak_ptr<platform::ui::Button> addFromContactsButton;

private:
    std::shared_ptr<AddSignerViewController> self();
    std::weak_ptr<AddSignerViewController> weakSelf();
    static std::shared_ptr<VLTNewTransactionViewModel> model();

    // Views.
    void makeTopBar(platform::ui::View& root);
    void makeForm(platform::ui::ScrollView& form);
    std::shared_ptr<AddSignerFieldRow> makeFieldRow(platform::ui::ScrollView& form, const std::string& caption);
    void makeOptionRows(platform::ui::ScrollView& form);
    void makeSourceMenu(platform::ui::ScrollView& form);
    // Lays the form out in the band of the given left edge and width.
    void layoutForm(double left, double width);
    void wireActions();
    void wireTextField(platform::ui::TextField& field);
    void observeNotifications();

    // Edit mode.
    void populateUIInfo();
    CreateTransactionSignerType getSignerTypeFromData(const Dictionary& data) const;
    void selectLoadedGroup(const Dictionary& row);

    // The checks and the controls.
    bool check(bool passed, bool animateOnUI, const std::weak_ptr<platform::ui::View>& row,
               const std::weak_ptr<platform::ui::View>& statusBar);
    void setControlEnabled(platform::ui::Control& control, bool enabled);
    void setLabelEnabled(platform::ui::Label& label, bool enabled);
    bool firstNameFieldEnabled() const;
    void fillFields(const std::optional<std::string>& firstName, const std::optional<std::string>& lastName,
                    const std::optional<std::string>& email, const std::optional<std::string>& title,
                    const std::optional<std::string>& company);
    std::optional<std::string> signerFullName() const;

    // The commit.
    std::optional<Dictionary> signerInput() const;
    std::optional<int> commitSignerInput(const Dictionary& input) const;
    void showCommitResult(int code);
    void showCommitError(const char* key);

    std::weak_ptr<AddSignerViewControllerDelegate> delegate_;
    bool darkCoverShowing_ = false;
    std::optional<int> signerIndex_;
    std::optional<std::string> signerCurrentEmail_;
    std::optional<CreateTransactionSignerType> signerCurrentType_;
    std::optional<std::string> personalMessage_;
    SignerAuthenticationMethod authenticationMethod_ = SignerAuthenticationMethod::Email{};
    CreateTransactionSignerType signerType_ = CreateTransactionSignerType::placeholder;
    std::shared_ptr<ZKGroup> selectedGroup_;

    std::shared_ptr<platform::ui::View> topBar_;
    std::shared_ptr<AddSignerFieldRow> fieldRows_[5];
    std::shared_ptr<platform::ui::View> optionRows_[3];
    std::shared_ptr<AddSignerSourceMenu> sourceMenu_;
};

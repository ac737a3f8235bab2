#pragma once

#include "signers/screens/CreateTransactionSignerAddPersonalMessagePageInput.h"

#include "foundation/NotificationCenter.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePageDelegate.h"
#include "signers/screens/SignerSetupTopBar.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ScrollView.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/TextView.h"
#include "ui/ViewController.h"

#include <memory>
#include <optional>
#include <string>

// The page on which the sender writes the personal message of one recipient, opened from
// the add/edit recipient page. Add appears with the first change (or a clear) and hands
// the text over, an empty one included; Back leaves the recipient's message as it was.
// The opener sets the message to start from, the recipient's name and itself as delegate
// before the page loads. Main thread only.
class CreateTransactionSignerAddPersonalMessagePage : public platform::ui::ViewController,
                                                      public platform::ui::TextViewDelegate,
                                                      public CreateTransactionSignerAddPersonalMessagePageInput {
public:
    CreateTransactionSignerAddPersonalMessagePage();

    std::shared_ptr<CreateTransactionSignerAddPersonalMessagePageDelegate> delegate() const
    {
        return delegate_.lock();
    }
    void setDelegate(const std::weak_ptr<CreateTransactionSignerAddPersonalMessagePageDelegate>& delegate) override
    {
        delegate_ = delegate;
    }
    void setPersonalMessage(const std::optional<std::string>& message) override { personalMessage = message; }
    void setSignerFullName(const std::optional<std::string>& name) override { signerFullName = name; }

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
    void addButtonTapped(platform::ui::Control& sender);
    void backButtonTapped(platform::ui::Control& sender);
    void clearButtonTapped(platform::ui::Control& sender);
    void textViewDidChange(platform::ui::TextView& view) override;

    // Keyboard.
    void keyboardDidShow(const platform::Notification& notification);
    void keyboardWillHide();

    std::optional<std::string> personalMessage;
    std::optional<std::string> signerFullName;
    std::shared_ptr<platform::ui::TapGestureRecognizer> tapGesture;

    // Outlets.
    std::weak_ptr<platform::ui::Label> messageToRecipientLabel;
    std::weak_ptr<platform::ui::TextView> messageTextView;
    std::weak_ptr<platform::ui::ScrollView> scrollView;
    std::weak_ptr<platform::ui::Button> addButton;
    std::weak_ptr<platform::ui::Button> clearButton;
    std::shared_ptr<platform::ui::View> statusBarView;
    std::shared_ptr<SignerSetupTopBar> topBar;
    std::shared_ptr<platform::ui::Button> backButton;

private:
    std::shared_ptr<CreateTransactionSignerAddPersonalMessagePage> self();
    void makeEditor(platform::ui::View& root);
    void observeKeyboard();
    void wireActions();
    void populateUIInfo();

    std::weak_ptr<CreateTransactionSignerAddPersonalMessagePageDelegate> delegate_;
};

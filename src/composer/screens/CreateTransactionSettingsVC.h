#pragma once

#include "composer/screens/CreateTransactionSettingsVCDelegate.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ViewController.h"

#include <memory>

// The transaction settings page, opened from the main page. For now it holds what the
// main page hands it (itself, as the delegate that hears a saved name) and leaves by its
// Back button; its settings rows join later.
class CreateTransactionSettingsVC : public platform::ui::ViewController {
public:
    std::shared_ptr<CreateTransactionSettingsVCDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionSettingsVCDelegate>& delegate) { delegate_ = delegate; }

    void backButtonTapped(platform::ui::Control& sender);

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

    std::shared_ptr<platform::ui::View> topBar;
    std::shared_ptr<platform::ui::Label> titleLabel;
    std::shared_ptr<platform::ui::Button> backButton;

private:
    std::weak_ptr<CreateTransactionSettingsVCDelegate> delegate_;
};

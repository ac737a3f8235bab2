#pragma once

#include "composer/screens/CreateTransactionAddSignerPageInput.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ViewController.h"

#include <memory>
#include <optional>

// The add/edit recipient page, opened from the main page inside a navigation controller.
// For now it holds what the main page hands it (the row of the recipient to edit, none to
// add one) and leaves by its Back button; its form joins later. Main thread only.
class AddSignerViewController : public platform::ui::ViewController, public CreateTransactionAddSignerPageInput {
public:
    const std::optional<int>& signerIndex() const { return signerIndex_; }
    void setSignerIndex(std::optional<int> signerIndex) override { signerIndex_ = signerIndex; }

    void closeButtonAction(platform::ui::Control& sender);

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

    std::shared_ptr<platform::ui::Label> topBarTitleLabel;
    std::shared_ptr<platform::ui::Button> closeButton;

private:
    std::optional<int> signerIndex_;
    std::shared_ptr<platform::ui::View> topBar_;
};

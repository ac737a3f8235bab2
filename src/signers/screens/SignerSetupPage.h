#pragma once

#include "signers/screens/SignerSetupTopBar.h"
#include "ui/Label.h"
#include "ui/ViewController.h"

#include <memory>
#include <string>

// The frame every signer-setup page shares: the view behind the status bar, the top bar
// with its Back button, the light status bar, all four orientations, and a square
// corner for the navigation controller's container after every layout. A page adds its
// own views below the bars. Main thread only.
class SignerSetupPage : public platform::ui::ViewController {
public:
    void loadView() override;
    void viewDidLayoutSubviews() override;
    platform::ui::StatusBarStyle preferredStatusBarStyle() const override
    {
        return platform::ui::StatusBarStyle::lightContent;
    }
    platform::ui::OrientationMask supportedInterfaceOrientations() const override
    {
        return platform::ui::OrientationMask::all;
    }

    std::shared_ptr<platform::ui::View> statusBarView;
    std::shared_ptr<SignerSetupTopBar> topBar;

protected:
    explicit SignerSetupPage(std::string title);

    // Adds the page's own views to its root view, under the bars (which exist by then).
    virtual void makeContent(platform::ui::View& root) = 0;
    // Places them in the area below the top bar.
    virtual void layoutContent(const platform::graphics::Rect& area) = 0;
    // Black behind the status bar, except where the phone's notch frames it.
    void paintStatusBar();
    // A caption above a group of fields.
    static std::shared_ptr<platform::ui::Label> makeCaption(const std::string& text);

private:
    std::string title_;
};

#include "signers/screens/AddSignerViewController.h"

#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"
#include "ui/NavigationController.h"

using platform::graphics::Color;
using platform::graphics::makeRect;

void AddSignerViewController::viewDidLoad()
{
    if (const auto navigation = navigationController()) {
        navigation->setNavigationBarHidden(true, false);
    }
    view()->setBackgroundColor(CreateTransactionLook::pageBackground());
    topBar_ = std::make_shared<platform::ui::View>();
    topBar_->setBackgroundColor(CreateTransactionLook::bar());
    topBarTitleLabel = std::make_shared<platform::ui::Label>();
    topBarTitleLabel->setText(localizedSDK(signerIndex_ ? "Edit Recipient" : "Add Recipient"));
    topBarTitleLabel->setTextColor(Color::white());
    topBarTitleLabel->setFont(platform::graphics::Font::boldSystemFont(18));
    topBarTitleLabel->setTextAlignment(platform::graphics::TextAlignment::center);
    closeButton = std::make_shared<platform::ui::Button>();
    closeButton->setTitle(localizedSDK("Back"));
    closeButton->setTitleColor(Color::white());
    closeButton->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                           [this](platform::ui::Control& sender) { closeButtonAction(sender); });
    topBar_->addSubview(topBarTitleLabel);
    topBar_->addSubview(closeButton);
    view()->addSubview(topBar_);
}

void AddSignerViewController::viewDidLayoutSubviews()
{
    const double top = view()->safeAreaInsets().top;
    const double width = view()->bounds().width();
    topBar_->setFrame(makeRect(0, 0, width, top + ZKScreen::kTopBarHeight));
    topBarTitleLabel->setFrame(makeRect(90, top, width - 180, ZKScreen::kTopBarHeight));
    closeButton->setFrame(makeRect(8, top, 80, ZKScreen::kTopBarHeight));
}

void AddSignerViewController::closeButtonAction(platform::ui::Control&)
{
    performSegue(CreateTransactionStoryboard::fromAddSignerPageSegue, shared_from_this());
    ZKTracker::reportEvent("Back button");
}

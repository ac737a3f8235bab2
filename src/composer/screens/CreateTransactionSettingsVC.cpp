#include "composer/screens/CreateTransactionSettingsVC.h"

#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"

using platform::graphics::Color;
using platform::graphics::makeRect;

void CreateTransactionSettingsVC::viewDidLoad()
{
    view()->setBackgroundColor(CreateTransactionLook::pageBackground());
    topBar = std::make_shared<platform::ui::View>();
    topBar->setBackgroundColor(CreateTransactionLook::bar());
    titleLabel = std::make_shared<platform::ui::Label>();
    titleLabel->setText(localizedSDK("Settings"));
    titleLabel->setTextColor(Color::white());
    titleLabel->setFont(platform::graphics::Font::boldSystemFont(18));
    titleLabel->setTextAlignment(platform::graphics::TextAlignment::center);
    backButton = std::make_shared<platform::ui::Button>();
    backButton->setTitle(localizedSDK("Back"));
    backButton->setTitleColor(Color::white());
    backButton->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                          [this](platform::ui::Control& sender) { backButtonTapped(sender); });
    topBar->addSubview(titleLabel);
    topBar->addSubview(backButton);
    view()->addSubview(topBar);
}

void CreateTransactionSettingsVC::viewDidLayoutSubviews()
{
    const double top = view()->safeAreaInsets().top;
    const double width = view()->bounds().width();
    topBar->setFrame(makeRect(0, 0, width, top + ZKScreen::kTopBarHeight));
    titleLabel->setFrame(makeRect(90, top, width - 180, ZKScreen::kTopBarHeight));
    backButton->setFrame(makeRect(8, top, 80, ZKScreen::kTopBarHeight));
}

void CreateTransactionSettingsVC::backButtonTapped(platform::ui::Control&)
{
    ZKTracker::reportEvent("Back button");
    performSegue(CreateTransactionStoryboard::fromSettingsPageSegue, shared_from_this());
}

#include "signers/screens/SignerSetupPage.h"

#include "composer/screens/CreateTransactionLook.h"
#include "support/ZKScreen.h"
#include "support/ZKUtil.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"

using platform::graphics::makeRect;

SignerSetupPage::SignerSetupPage(std::string title) : title_(std::move(title)) {}

void SignerSetupPage::loadView()
{
    auto root = std::make_shared<platform::ui::View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(CreateTransactionLook::pageBackground());
    topBar = std::make_shared<SignerSetupTopBar>(title_);
    statusBarView = std::make_shared<platform::ui::View>();
    statusBarView->setBackgroundColor(CreateTransactionLook::bar());
    makeContent(*root);
    root->addSubview(topBar);
    root->addSubview(statusBarView);
    setView(root);
}

void SignerSetupPage::viewDidLayoutSubviews()
{
    const auto bounds = view()->bounds();
    const auto safeArea = view()->safeAreaInsets();
    statusBarView->setFrame(makeRect(0, 0, bounds.width(), safeArea.top));
    topBar->setFrame(makeRect(0, safeArea.top, bounds.width(), ZKScreen::kTopBarHeight));
    const double contentTop = safeArea.top + ZKScreen::kTopBarHeight;
    layoutContent(makeRect(0, contentTop, bounds.width(), bounds.height() - contentTop));
    const auto navigation = navigationController();
    if (const auto container = navigation ? navigation->view()->superview() : nullptr) {
        container->layer().setCornerRadius(0);
    }
}

void SignerSetupPage::paintStatusBar()
{
    if (!ZKUtil::isiPhoneX()) {
        statusBarView->setBackgroundColor(platform::graphics::Color::black());
    }
}

std::shared_ptr<platform::ui::Label> SignerSetupPage::makeCaption(const std::string& text)
{
    auto caption = std::make_shared<platform::ui::Label>();
    caption->setText(text);
    caption->setFont(CreateTransactionLook::captionFont());
    caption->setTextColor(CreateTransactionLook::caption());
    return caption;
}

#include "signers/screens/SignerSetupPage.h"

#include "composer/screens/CreateTransactionLook.h"
#include "signers/screens/SignerSetupPageLayout.h"
#include "support/ZKScreen.h"
#include "support/ZKUtil.h"
#include "ui/Screen.h"

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
    const auto content = SignerSetupPageLayout::layout(*this, *statusBarView, *topBar);
    layoutContent(ZKScreen::withinSafeSides(*view(), content));
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

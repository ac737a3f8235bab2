#include "signers/screens/SignerSetupPageLayout.h"

#include "composer/screens/CreateTransactionLook.h"
#include "support/ZKScreen.h"
#include "support/ZKUtil.h"
#include "ui/NavigationController.h"

using platform::graphics::makeRect;

std::shared_ptr<platform::ui::View> SignerSetupPageLayout::makeStatusBarStrip()
{
    auto strip = std::make_shared<platform::ui::View>();
    strip->setBackgroundColor(ZKUtil::isiPhoneX() ? CreateTransactionLook::bar() : platform::graphics::Color::black());
    return strip;
}

platform::graphics::Rect SignerSetupPageLayout::layout(platform::ui::ViewController& page,
                                                       platform::ui::View& statusBar, platform::ui::View& topBar)
{
    const auto& root = page.view();
    const auto bounds = root->bounds();
    const auto safeArea = root->safeAreaInsets();
    statusBar.setFrame(makeRect(0, 0, bounds.width(), safeArea.top));
    topBar.setFrame(makeRect(0, safeArea.top, bounds.width(), ZKScreen::kTopBarHeight));
    if (const auto navigation = page.navigationController()) {
        if (const auto container = navigation->view()->superview()) {
            container->layer().setCornerRadius(0);
        }
    }
    const double contentTop = safeArea.top + ZKScreen::kTopBarHeight;
    return makeRect(0, contentTop, bounds.width(), std::max(0.0, bounds.height() - contentTop - safeArea.bottom));
}

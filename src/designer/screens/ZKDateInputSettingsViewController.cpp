#include "designer/screens/ZKDateInputSettingsViewController.h"

#include "designer/screens/ZKFieldSettingsLook.h"
#include "support/ZKTracker.h"
#include "support/ZKUtil.h"
#include "ui/Screen.h"

using platform::graphics::makeRect;

void ZKDateInputSettingsViewController::loadView()
{
    auto root = std::make_shared<platform::ui::View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(ZKFieldSettingsLook::background());
    auto strip = std::make_shared<platform::ui::View>();
    strip->setBackgroundColor(ZKFieldSettingsLook::bar());
    topBar_ = std::make_shared<ZKFieldSettingsTopBar>("Date Field Settings");
    topBar_->saveButton()->setHidden(true);
    auto message = std::make_shared<platform::ui::Label>();
    message->setHidden(true);
    root->addSubview(strip);
    root->addSubview(topBar_);
    root->addSubview(message);
    statusBar = strip;
    errorLabel = message;
    setView(root);
}

void ZKDateInputSettingsViewController::viewDidLoad()
{
    ZKElementViewSettingsViewController::viewDidLoad();
    topBar_->cancelButton()->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                                       [this](platform::ui::Control& sender) { closeBtnAction(sender); });
    if (!ZKUtil::isiPhoneX()) {
        statusBar.lock()->setBackgroundColor(platform::graphics::Color::black());
    }
    ZKTracker::reportScreen(screenNameReported);
}

void ZKDateInputSettingsViewController::viewDidLayoutSubviews()
{
    ZKElementViewSettingsViewController::viewDidLayoutSubviews();
    const auto bounds = view()->bounds();
    const double top = view()->safeAreaInsets().top;
    statusBar.lock()->setFrame(makeRect(0, 0, bounds.width(), top));
    topBar_->setFrame(makeRect(0, top, bounds.width(), ZKFieldSettingsTopBar::height));
}

void ZKDateInputSettingsViewController::closeBtnAction(platform::ui::Control&)
{
    ZKTracker::reportEvent("Cancel button");
    unwindNavigation();
}

void ZKDateInputSettingsViewController::unwindNavigation()
{
    const auto keepAlive = shared_from_this();
    performSegue(unwindSegueIdentifier, nullptr);
}

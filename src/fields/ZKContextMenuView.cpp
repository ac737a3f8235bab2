#include "fields/ZKContextMenuView.h"

#include "fields/ZKElementView.h"
#include "fields/ZKFieldSettingsOpener.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"

using platform::graphics::Color;

ZKContextMenuView::ZKContextMenuView() : settingsBtn_(std::make_shared<platform::ui::Button>())
{
    setBackgroundColor(Color::fromWhite(0.2, 0.92));
    layer().setCornerRadius(height / 2);
    settingsBtn_->setTitle(localizedSDK("Settings"));
    settingsBtn_->setTitleColor(Color::white());
    settingsBtn_->titleLabel()->setFont(platform::graphics::Font::boldSystemFont(12));
    // The button belongs to the menu, which dies with it.
    settingsBtn_->addAction(platform::ui::ControlEvent::touchUpInside, [this](auto&) { settingsBtnAction(); });
    addSubview(settingsBtn_);
    setHidden(true);
}

void ZKContextMenuView::setShown(bool shown)
{
    shown_ = shown;
    setHidden(!shown);
}

void ZKContextMenuView::settingsBtnAction()
{
    if (const auto field = elementView_.lock()) {
        field->removeHandlers();
    }
    ZKFieldSettingsOpener::installed().showForElementView(ZKElementView::editedElementView());
    if (const auto tracker = ZKTracker::sharedInstance()) {
        tracker->logEventWithAction("Access field settings screen");
    }
}

void ZKContextMenuView::layoutSubviews()
{
    settingsBtn_->setFrame(bounds());
}

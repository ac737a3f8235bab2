#include "designer/screens/ZKTextAreaSettingsVC.h"

#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"

void ZKTextAreaSettingsVC::addDefaultValueControl(ZKFieldSettingsForm& form)
{
    form.addEntry(localizableKey("Default Value"), defaultValueTextView, defaultValueHeight, clearTextAreaButton);
    clearTextAreaButton->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                                   [this](platform::ui::Control& sender) { clearTextAreaButtonTapped(sender); });
}

void ZKTextAreaSettingsVC::clearTextAreaButtonTapped(platform::ui::Control&)
{
    defaultValueTextView->setText("");
    dismissKeyboard();
}

void ZKTextAreaSettingsVC::handleKeyboardDidShowNotification(const platform::Notification& notification)
{
    ZKTextSettingsViewController::handleKeyboardDidShowNotification(notification);
    if (defaultValueTextView->isFirstResponder() && ZKScreen::isInLanscapeOrientation()) {
        scrollView.lock()->setContentOffset({0, landscapeEditingOffset}, true);
    }
}

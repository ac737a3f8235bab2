#include "designer/screens/ZKElementViewSettingsViewController.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "fields/ZKElementView.h"
#include "foundation/NotificationCenter.h"
#include "model/ZKElement.h"
#include "support/ZKScreen.h"
#include "ui/Animator.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"

#include <array>

namespace {

struct SettingsLookup {
    const char* key;
    const char* segue;
};

constexpr std::array<SettingsLookup, 7> lookups{{
    {"zk_ZKTextAreaSettingsViewController", "fromMainViewControllerToTextAreaSettingsSDK"},
    {"zk_ZKListSettingsViewController", "fromMainViewControllerToListViewSettingsSDK"},
    {"zk_ZKTextFieldSettingsViewController", "fromMainViewControllerToTextFieldSettingsSDK"},
    {"zk_ZKLabelSettingsViewController", "fromMainViewControllerToLabelSettingsSDK"},
    {"zk_ZKCheckBoxSettingsViewController", "fromMainViewControllerToCheckBoxSettingsSDK"},
    {"zk_ZKRadioSettingsViewController", "fromMainViewControllerToRadioButtonSettingsSDK"},
    {"zk_ZKDateInputFieldSettingsViewController", "fromMainViewControllerToDateSettingsSDK"},
}};

} // namespace

// Opening

void ZKElementViewSettingsViewController::showForElementView(const std::shared_ptr<ZKElementView>& elementView)
{
    const auto hub = ZKCTouchManager::sharedInstance()->mainVController();
    if (!hub) {
        return;
    }
    hub->setActiveElementView(elementView);
    const auto edited = ZKElementView::editedElementView();
    if (!edited) {
        return;
    }
    const auto key = lookupKeyForClassName(edited->className());
    for (const auto& lookup : lookups) {
        if (key == lookup.key) {
            hub->performSegue(lookup.segue, nullptr);
            return;
        }
    }
}

std::string ZKElementViewSettingsViewController::lookupKeyForClassName(const std::string& className)
{
    return "zk_" + className + "SettingsViewController";
}

// Loading

void ZKElementViewSettingsViewController::viewDidLoad()
{
    // Registered without an object (the view has no window yet), so every keyboard counts.
    observe(platform::ui::KeyboardNotifications::willShow, &ZKElementViewSettingsViewController::keyboardWillShow);
    observe(platform::ui::KeyboardNotifications::willHide, &ZKElementViewSettingsViewController::keyboardWillHide);
    observe(orientationWillChangeNotification, &ZKElementViewSettingsViewController::willRotate);
    observe(platform::ui::ScreenNotifications::orientationDidChange, &ZKElementViewSettingsViewController::didRotate);
    if (const auto field = elementView.lock(); field && field->element()) {
        field->element()->initializeValidationIfNeeded();
    }
}

void ZKElementViewSettingsViewController::observe(
    const char* name, void (ZKElementViewSettingsViewController::*handler)(const platform::Notification&))
{
    platform::NotificationCenter::defaultCenter().addObserver(
        shared_from_this(), name, nullptr, [self = weak_from_this(), handler](const platform::Notification& notification) {
            if (const auto screen = self.lock()) {
                (static_cast<ZKElementViewSettingsViewController&>(*screen).*handler)(notification);
            }
        });
}

void ZKElementViewSettingsViewController::viewDidLayoutSubviews()
{
    // The screen may be shown in a rounded container; its corners stay square.
    if (const auto container = view()->superview()) {
        container->layer().setCornerRadius(0);
    }
}

// Keyboard and rotation

bool ZKElementViewSettingsViewController::screenIsWide()
{
    const auto area = ZKScreen::screenFrame();
    return area.width() > area.height();
}

void ZKElementViewSettingsViewController::keyboardWillShow(const platform::Notification&)
{
    if (!screenIsWide()) {
        return;
    }
    // A keyboard announced again for another field must not take the lifted frame as
    // the one to return to.
    if (!raised_) {
        initialFrame_ = view()->frame();
    }
    raised_ = true;
    auto lifted = initialFrame_;
    lifted.origin.y = raisedY;
    platform::ui::Animator::animate(keyboardAnimationDuration, [this, lifted] { view()->setFrame(lifted); });
}

void ZKElementViewSettingsViewController::keyboardWillHide(const platform::Notification&)
{
    // Only a lifted view has a frame to return to.
    if (!screenIsWide() || !raised_) {
        return;
    }
    raised_ = false;
    platform::ui::Animator::animate(keyboardAnimationDuration, [this] { view()->setFrame(initialFrame_); });
}

void ZKElementViewSettingsViewController::willRotate(const platform::Notification&)
{
    if (const auto container = view()->superview()) {
        container->endEditing(true);
    }
}

void ZKElementViewSettingsViewController::didRotate(const platform::Notification&)
{
    initialFrame_ = view()->frame();
    raised_ = false;
    if (const auto container = view()->superview()) {
        view()->setFrame(container->bounds());
    }
}

void ZKElementViewSettingsViewController::handleSingleTap()
{
    if (editedField_) {
        editedField_->resignFirstResponder();
    }
}

bool ZKElementViewSettingsViewController::textFieldShouldReturn(platform::ui::TextField& field)
{
    field.resignFirstResponder();
    return true;
}

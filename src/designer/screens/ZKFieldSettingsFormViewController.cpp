#include "designer/screens/ZKFieldSettingsFormViewController.h"

#include "designer/screens/ZKFieldSettingsLook.h"
#include "fields/ZKElementView.h"
#include "foundation/NotificationCenter.h"
#include "model/ZKElement.h"
#include "sdk/screens/VTKeyboardInsets.h"
#include "support/LocalizedSDK.h"
#include "support/ZKColor.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"
#include "support/ZKUtil.h"
#include "ui/Keyboard.h"
#include "ui/Window.h"
#include "ui/Screen.h"
#include "ui/TextField.h"

#include <algorithm>

using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::View;

namespace {

constexpr double messageMargin = 16;

} // namespace

// Views

void ZKFieldSettingsFormViewController::loadView()
{
    auto root = std::make_shared<View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(ZKFieldSettingsLook::background());
    makeBody(*root);
    topBar_ = std::make_shared<ZKFieldSettingsTopBar>(title_);
    root->addSubview(topBar_);
    auto strip = std::make_shared<View>();
    strip->setBackgroundColor(ZKFieldSettingsLook::bar());
    root->addSubview(strip);
    statusBar = strip;
    setView(root);
}

void ZKFieldSettingsFormViewController::makeBody(View& root)
{
    auto scroll = std::make_shared<platform::ui::ScrollView>();
    scroll->setBackgroundColor(ZKFieldSettingsLook::background());
    auto message = std::make_shared<platform::ui::Label>();
    message->setFont(ZKFieldSettingsLook::messageFont());
    message->setTextColor(ZKColor::error());
    message->setNumberOfLines(0);
    message->setTextAlignment(platform::graphics::TextAlignment::center);
    message->setHidden(true);
    scroll->addSubview(message);
    form_ = std::make_unique<ZKFieldSettingsForm>(scroll);
    makeControls(*form_);
    root.addSubview(scroll);
    scrollView = scroll;
    errorLabel = message;
}

void ZKFieldSettingsFormViewController::viewDidLayoutSubviews()
{
    const auto bounds = view()->bounds();
    const auto safeArea = view()->safeAreaInsets();
    const double top = safeArea.top;
    statusBar.lock()->setFrame(makeRect(0, 0, bounds.width(), top));
    topBar_->setFrame(makeRect(0, top, bounds.width(), ZKFieldSettingsTopBar::height));
    const double bodyTop = top + ZKFieldSettingsTopBar::height;
    const auto scroll = scrollView.lock();
    scroll->setFrame(
        makeRect(0, bodyTop, bounds.width(), std::max(0.0, bounds.height() - bodyTop - safeArea.bottom)));
    double formTop = messageMargin;
    const auto message = errorLabel.lock();
    if (!message->isHidden()) {
        const auto safeBand = ZKScreen::withinSafeSides(*view(), bounds);
        const double width = std::max(0.0, safeBand.width() - 2 * messageMargin);
        const double height = message->sizeThatFits({width, 1000}).height;
        message->setFrame(makeRect(safeBand.minX() + messageMargin, messageMargin, width, height));
        formTop += height + messageMargin / 2;
    }
    scroll->setContentSize({bounds.width(), form_->layout(formTop, bounds.width())});
    // The screen may be shown in a rounded container; its corners stay square.
    if (const auto container = view()->superview()) {
        container->layer().setCornerRadius(0);
    }
}

// Loading

void ZKFieldSettingsFormViewController::viewDidLoad()
{
    updateField = false;
    observeKeyboard();
    wireActions();
    if (elementView.lock()) {
        populateFields();
    }
    if (const auto field = element(); field && writesValidation()) {
        field->initializeValidationIfNeeded();
    }
    if (!ZKUtil::isiPhoneX()) {
        statusBar.lock()->setBackgroundColor(Color::black());
    }
    ZKTracker::reportScreen(screenName());
}

void ZKFieldSettingsFormViewController::observeKeyboard()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto self = weak_from_this();
    center.addObserver(shared_from_this(), platform::ui::KeyboardNotifications::didShow, nullptr,
                       [self](const platform::Notification& notification) {
                           if (const auto screen = self.lock()) {
                               static_cast<ZKFieldSettingsFormViewController&>(*screen)
                                   .handleKeyboardDidShowNotification(notification);
                           }
                       });
    center.addObserver(shared_from_this(), platform::ui::KeyboardNotifications::willHide, nullptr,
                       [self](const platform::Notification& notification) {
                           if (const auto screen = self.lock()) {
                               static_cast<ZKFieldSettingsFormViewController&>(*screen)
                                   .handleKeyboardWillHideNotification(notification);
                           }
                       });
}

void ZKFieldSettingsFormViewController::wireActions()
{
    const auto self = shared_from_this();
    // Taps on the controls still reach them.
    tapGesture->setCancelsTouchesInView(false);
    tapGesture->addTarget(self, [this](platform::ui::GestureRecognizer&) { handleTapGesture(); });
    view()->addGestureRecognizer(tapGesture);
    topBar_->cancelButton()->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                                       [this](platform::ui::Control& sender) { closeButtonTapped(sender); });
    topBar_->saveButton()->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                                     [this](platform::ui::Control& sender) { saveButtonTapped(sender); });
}

// Actions

void ZKFieldSettingsFormViewController::closeButtonTapped(platform::ui::Control&)
{
    ZKTracker::reportEvent("Cancel button");
    unwindToHub();
}

void ZKFieldSettingsFormViewController::handleTapGesture()
{
    dismissKeyboard();
}

void ZKFieldSettingsFormViewController::dismissKeyboard()
{
    view()->endEditing(true);
}

void ZKFieldSettingsFormViewController::handleKeyboardDidShowNotification(const platform::Notification& notification)
{
    const auto scroll = scrollView.lock();
    // The form reaches down to the window's bottom edge: the whole keyboard covers it.
    VTKeyboardInsets::apply(*scroll, ZKScreen::keyboardHeightFromNotification(notification));
    revealEditedEntry(*scroll);
}

// The text field being typed into stays in sight above the keyboard, also on a phone on
// its side, where the keyboard covers most of the form. The multi-line entries have
// places of their own to scroll to on their screens.
void ZKFieldSettingsFormViewController::revealEditedEntry(platform::ui::ScrollView& scroll)
{
    const auto window = view()->window();
    const auto editing = window ? std::dynamic_pointer_cast<platform::ui::TextField>(window->firstResponder()) : nullptr;
    if (editing) {
        VTKeyboardInsets::reveal(scroll, *editing);
    }
}

void ZKFieldSettingsFormViewController::handleKeyboardWillHideNotification(const platform::Notification&)
{
    VTKeyboardInsets::release(*scrollView.lock());
}

// For the screens

std::shared_ptr<ZKElement> ZKFieldSettingsFormViewController::element() const
{
    const auto field = elementView.lock();
    return field ? field->element() : nullptr;
}

std::string ZKFieldSettingsFormViewController::nameToShow(const ZKElement& element)
{
    return element.name() == element.ident() ? std::string() : element.name();
}

void ZKFieldSettingsFormViewController::showValidationMessage(const std::string& key)
{
    const auto message = errorLabel.lock();
    message->setText(localizedSDK(key));
    message->setHidden(false);
    view()->setNeedsLayout();
}

void ZKFieldSettingsFormViewController::hideValidationMessage()
{
    errorLabel.lock()->setHidden(true);
    view()->setNeedsLayout();
}

void ZKFieldSettingsFormViewController::unwindToHub()
{
    // The screen goes with the unwind; it stays alive until the segue is done.
    const auto keepAlive = shared_from_this();
    performSegue(unwindSegue(), keepAlive);
}

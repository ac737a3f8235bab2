#include "signers/screens/CreateTransactionSignerAddPersonalMessagePage.h"

#include "composer/screens/CreateTransactionLook.h"
#include "foundation/Text.h"
#include "sdk/screens/VTKeyboardInsets.h"
#include "signers/screens/SignerSetupPageLayout.h"
#include "signers/screens/SignerSetupScenes.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"
#include "support/ZKTracker.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"

using platform::graphics::makeRect;
using platform::ui::View;

namespace {

constexpr double margin = 16;
constexpr double headingHeight = 24;
constexpr double editorHeight = 200;
constexpr double clearButtonHeight = 36;

// The localised format with its one "%@" filled.
std::string formatted(const std::string& format, const std::string& value)
{
    std::string text = format;
    if (const auto slot = text.find("%@"); slot != std::string::npos) {
        text.replace(slot, 2, value);
    }
    return text;
}

} // namespace

CreateTransactionSignerAddPersonalMessagePage::CreateTransactionSignerAddPersonalMessagePage()
    : tapGesture(std::make_shared<platform::ui::TapGestureRecognizer>())
{
}

std::shared_ptr<CreateTransactionSignerAddPersonalMessagePage> CreateTransactionSignerAddPersonalMessagePage::self()
{
    return std::static_pointer_cast<CreateTransactionSignerAddPersonalMessagePage>(shared_from_this());
}

// Views

void CreateTransactionSignerAddPersonalMessagePage::loadView()
{
    auto root = std::make_shared<View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(CreateTransactionLook::pageBackground());
    makeEditor(*root);
    topBar = std::make_shared<SignerSetupTopBar>(localizedSDK("Personal Message"));
    backButton = topBar->addLeadingButton(localizedSDK("Back"));
    addButton = topBar->addTrailingButton(localizedSDK("Add"));
    root->addSubview(topBar);
    statusBarView = SignerSetupPageLayout::makeStatusBarStrip();
    root->addSubview(statusBarView);
    setView(root);
}

void CreateTransactionSignerAddPersonalMessagePage::makeEditor(View& root)
{
    auto scroller = std::make_shared<platform::ui::ScrollView>();
    auto heading = std::make_shared<platform::ui::Label>();
    heading->setFont(CreateTransactionLook::captionFont());
    heading->setTextColor(CreateTransactionLook::caption());
    auto editor = std::make_shared<platform::ui::TextView>();
    editor->setFont(CreateTransactionLook::bodyFont());
    editor->setBackgroundColor(platform::graphics::Color::white());
    editor->layer().setBorderColor(CreateTransactionLook::divider());
    editor->layer().setBorderWidth(0.5);
    editor->layer().setCornerRadius(4);
    auto clear = std::make_shared<platform::ui::Button>();
    clear->setTitle(localizedSDK("Clear"));
    clear->setTitleColor(CreateTransactionLook::accent());
    clear->titleLabel()->setFont(platform::graphics::Font::systemFont(16));
    scroller->addSubview(heading);
    scroller->addSubview(editor);
    scroller->addSubview(clear);
    root.addSubview(scroller);
    scrollView = scroller;
    messageToRecipientLabel = heading;
    messageTextView = editor;
    clearButton = clear;
}

void CreateTransactionSignerAddPersonalMessagePage::viewDidLayoutSubviews()
{
    const auto content =
        ZKScreen::withinSafeSides(*view(), SignerSetupPageLayout::layout(*this, *statusBarView, *topBar));
    const auto scroller = scrollView.lock();
    scroller->setFrame(content);
    const double width = std::max(0.0, content.width() - 2 * margin);
    messageToRecipientLabel.lock()->setFrame(makeRect(margin, margin, width, headingHeight));
    const double editorTop = 2 * margin + headingHeight;
    messageTextView.lock()->setFrame(makeRect(margin, editorTop, width, editorHeight));
    const double clearTop = editorTop + editorHeight + 8;
    // The button is as wide as its title, so the title ends where the editor does.
    const auto clear = clearButton.lock();
    const double clearWidth = clear->titleLabel()->sizeThatFits({0, 0}).width;
    clear->setFrame(makeRect(content.width() - margin - clearWidth, clearTop, clearWidth, clearButtonHeight));
    scroller->setContentSize({content.width(), clearTop + clearButtonHeight + margin});
}

// Loading

void CreateTransactionSignerAddPersonalMessagePage::viewDidLoad()
{
    observeKeyboard();
    wireActions();
    populateUIInfo();
    messageTextView.lock()->setDelegate(self());
    addButton.lock()->setHidden(true);
    ZKTracker::reportScreen("Recipient Personal Message Page");
}

void CreateTransactionSignerAddPersonalMessagePage::observeKeyboard()
{
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto page = std::weak_ptr(self());
    center.addObserver(self(), platform::ui::KeyboardNotifications::didShow, nullptr,
                       [page](const platform::Notification& notification) {
                           if (const auto alive = page.lock()) {
                               alive->keyboardDidShow(notification);
                           }
                       });
    center.addObserver(self(), platform::ui::KeyboardNotifications::willHide, nullptr,
                       [page](const platform::Notification&) {
                           if (const auto alive = page.lock()) {
                               alive->keyboardWillHide();
                           }
                       });
}

void CreateTransactionSignerAddPersonalMessagePage::wireActions()
{
    const auto page = self();
    tapGesture->setCancelsTouchesInView(false);
    tapGesture->addTarget(page, [this](platform::ui::GestureRecognizer&) { view()->endEditing(true); });
    view()->addGestureRecognizer(tapGesture);
    backButton->addTarget(page, platform::ui::ControlEvent::touchUpInside,
                          [this](platform::ui::Control& sender) { backButtonTapped(sender); });
    addButton.lock()->addTarget(page, platform::ui::ControlEvent::touchUpInside,
                                [this](platform::ui::Control& sender) { addButtonTapped(sender); });
    clearButton.lock()->addTarget(page, platform::ui::ControlEvent::touchUpInside,
                                  [this](platform::ui::Control& sender) { clearButtonTapped(sender); });
}

void CreateTransactionSignerAddPersonalMessagePage::populateUIInfo()
{
    messageTextView.lock()->setText(personalMessage.value_or(""));
    const bool named = signerFullName && !platform::text::trimWhitespace(*signerFullName).empty();
    messageToRecipientLabel.lock()->setText(named ? formatted(localizedSDK("Message to %@"), *signerFullName)
                                                  : localizedSDK("Message:"));
}

// Editing

void CreateTransactionSignerAddPersonalMessagePage::textViewDidChange(platform::ui::TextView&)
{
    addButton.lock()->setHidden(false);
}

void CreateTransactionSignerAddPersonalMessagePage::clearButtonTapped(platform::ui::Control&)
{
    messageTextView.lock()->setText("");
    addButton.lock()->setHidden(false);
}

void CreateTransactionSignerAddPersonalMessagePage::addButtonTapped(platform::ui::Control&)
{
    if (const auto opener = delegate()) {
        opener->newPersonalMessageAvailable(messageTextView.lock()->text());
    }
    performSegue(SignerSetupScenes::fromPersonalMessagePageSegue, shared_from_this());
    ZKTracker::reportEvent("Add Personal Message");
}

void CreateTransactionSignerAddPersonalMessagePage::backButtonTapped(platform::ui::Control&)
{
    performSegue(SignerSetupScenes::fromPersonalMessagePageSegue, shared_from_this());
}

// Keyboard

void CreateTransactionSignerAddPersonalMessagePage::keyboardDidShow(const platform::Notification& notification)
{
    VTKeyboardInsets::apply(*scrollView.lock(), VTKeyboardInsets::bottomInset(*view(), notification));
}

void CreateTransactionSignerAddPersonalMessagePage::keyboardWillHide()
{
    VTKeyboardInsets::release(*scrollView.lock());
}

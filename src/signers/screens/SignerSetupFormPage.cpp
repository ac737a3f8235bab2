#include "signers/screens/SignerSetupFormPage.h"

#include "sdk/screens/VTKeyboardInsets.h"

using platform::ui::ControlEvent;

SignerSetupFormPage::SignerSetupFormPage(std::string title)
    : SignerSetupPage(std::move(title)), tapGesture(std::make_shared<platform::ui::TapGestureRecognizer>())
{
}

void SignerSetupFormPage::makeContent(platform::ui::View& root)
{
    scrollView_ = std::make_shared<platform::ui::ScrollView>();
    makeForm(*scrollView_);
    root.addSubview(scrollView_);
    scrollView = scrollView_;
    const auto& add = topBar->iconButton();
    add->setTitle("C");
    addButton = add;
}

void SignerSetupFormPage::layoutContent(const platform::graphics::Rect& area)
{
    scrollView_->setFrame(area);
    SignerSetupColumn::layout(*scrollView_, formItems());
}

void SignerSetupFormPage::wireFormActions(platform::ui::Control::Action add, platform::ui::Control::Action back)
{
    const auto page = std::static_pointer_cast<SignerSetupFormPage>(shared_from_this());
    const auto weak = std::weak_ptr(page);
    VTKeyboardInsets::observe(
        page,
        [weak](const platform::Notification& notification) {
            if (const auto form = weak.lock()) {
                form->keyboardDidShow(notification);
            }
        },
        [weak] {
            if (const auto form = weak.lock()) {
                form->keyboardWillHide();
            }
        });
    tapGesture->setCancelsTouchesInView(false);
    tapGesture->addTarget(page, [this](platform::ui::GestureRecognizer&) { handleTapGesture(); });
    view()->addGestureRecognizer(tapGesture);
    addButton.lock()->addTarget(page, ControlEvent::touchUpInside, std::move(add));
    topBar->backButton()->addTarget(page, ControlEvent::touchUpInside, std::move(back));
}

void SignerSetupFormPage::keyboardDidShow(const platform::Notification& notification)
{
    const auto form = scrollView.lock();
    VTKeyboardInsets::apply(*form, VTKeyboardInsets::bottomInset(*view(), notification));
    VTKeyboardInsets::revealFirstResponder(*form);
}

void SignerSetupFormPage::keyboardWillHide()
{
    VTKeyboardInsets::release(*scrollView.lock());
}

void SignerSetupFormPage::handleTapGesture()
{
    view()->endEditing(true);
}

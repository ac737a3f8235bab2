#include "sdk/screens/VTAlertView.h"

#include "foundation/Log.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"
#include "sdk/VTDeviceModel.h"
#include "support/MainQueue.h"
#include "ui/Application.h"
#include "ui/Window.h"

namespace {

std::shared_ptr<platform::ui::Window> keyWindowOrLog(const std::string& what)
{
    auto window = platform::ui::Application::shared().keyWindow();
    if (!window) {
        platform::Log::write("sdk", "no key window: the " + what + " is not shown");
    }
    return window;
}

} // namespace

std::shared_ptr<VTAlertView> VTAlertView::sharedInstance()
{
    return platform::SharedInstance<VTAlertView>::get();
}

VTAlertView::BlockingMessageShowing VTAlertView::showBlockingMessage(const std::string& text)
{
    BlockingMessageShowing showing = 0;
    runOnMainQueueWithoutDeadlocking2([this, &text, &showing] { showing = showBlockingMessageOnMain(text); });
    return showing;
}

void VTAlertView::hideBlockingMessage()
{
    runOnMainQueueWithoutDeadlocking2([this] { hideBlockingMessageOnMain(); });
}

void VTAlertView::hideBlockingMessage(BlockingMessageShowing showing)
{
    runOnMainQueueWithoutDeadlocking2([this, showing] {
        if (showing == lastShowing_) {
            hideBlockingMessageOnMain();
        }
    });
}

void VTAlertView::showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(
    const std::string& title, const std::string& message, const std::string& cancelButtonTitle, Action action)
{
    ErrorAlert alert{title, message, cancelButtonTitle, std::move(action)};
    runOnMainQueueWithoutDeadlocking2([this, &alert] { enqueue(std::move(alert)); });
}

VTAlertView::BlockingMessageShowing VTAlertView::showBlockingMessageOnMain(const std::string& text)
{
    platform::RunLoop::main().assertMainThread("Showing the blocking message");
    ++lastShowing_;
    const auto window = keyWindowOrLog("blocking message");
    if (!window) {
        return lastShowing_;
    }
    if (!blockingView_) {
        blockingView_ = std::make_shared<VTBlockingMessageView>(window->bounds());
    }
    blockingView_->setMessage(text, VTDeviceModel::isIPad() ? 1.0 : phoneFontScale);
    blockingView_->showInWindow(*window);
    return lastShowing_;
}

void VTAlertView::hideBlockingMessageOnMain()
{
    platform::RunLoop::main().assertMainThread("Hiding the blocking message");
    if (!blockingView_) {
        return;
    }
    blockingView_->removeFromSuperview();
    blockingView_.reset();
}

void VTAlertView::enqueue(ErrorAlert alert)
{
    platform::RunLoop::main().assertMainThread("Showing an error alert");
    waitingAlerts_.push_back(std::move(alert));
    if (!shownAlert_) {
        showNextErrorAlert();
    }
}

void VTAlertView::showNextErrorAlert()
{
    if (waitingAlerts_.empty()) {
        return;
    }
    const auto window = keyWindowOrLog("error alert");
    if (!window) {
        waitingAlerts_.clear();
        return;
    }
    ErrorAlert alert = std::move(waitingAlerts_.front());
    waitingAlerts_.pop_front();
    shownAlert_ = std::make_shared<VTErrorAlertView>(
        window->bounds(), alert.title, alert.message, alert.buttonTitle,
        [weak = weak_from_this(), action = std::move(alert.action)](VTErrorAlertView& view) {
            if (const auto self = weak.lock()) {
                self->closeErrorAlert(view, action);
            }
        });
    shownAlert_->showInWindow(*window);
}

void VTAlertView::closeErrorAlert(VTErrorAlertView& view, const Action& action)
{
    // Keeps the view (and the action it holds) alive until the action has run.
    const auto closing = shownAlert_;
    if (closing.get() != &view) {
        return;
    }
    closing->removeFromSuperview();
    shownAlert_.reset();
    showNextErrorAlert();
    if (action) {
        action();
    }
}

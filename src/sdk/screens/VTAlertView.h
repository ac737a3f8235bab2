#pragma once

#include "sdk/screens/VTBlockingMessageView.h"
#include "sdk/screens/VTErrorAlertView.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The one alert overlay of the SDK (shared instance, reset with the other shared
// instances): a blocking message while work runs, and modal error alerts. Everything is
// shown in the application's key window, above what the window holds at that moment;
// without a key window nothing is shown and the request is logged.
//
// Error alerts asked for while one is on screen wait their turn: they are shown one at a
// time in the order asked, and each button runs its own alert's action. The newest
// overlay goes on top, so a blocking message shown while an alert is up covers it until
// the message is hidden.
//
// Its state is the main thread's: calls from other threads are carried out on the main
// thread while the caller waits.
class VTAlertView : public std::enable_shared_from_this<VTAlertView> {
public:
    using Action = std::function<void()>;
    // One showing of the blocking message; the latest is the one on screen.
    using BlockingMessageShowing = std::uint64_t;

    static std::shared_ptr<VTAlertView> sharedInstance();

    // Shows `text` (already localised) with no buttons until hideBlockingMessage(). On a
    // device that is not an iPad the text is drawn at 0.75 of its font size. A second call
    // while one is shown replaces its text and becomes the showing on screen.
    BlockingMessageShowing showBlockingMessage(const std::string& text);
    // Removes the blocking message and clears the flag; does nothing when none is shown.
    void hideBlockingMessage();
    // Removes the blocking message only while it is that showing: work that outlived the
    // screen it covered leaves alone the message that a later screen put up since.
    void hideBlockingMessage(BlockingMessageShowing showing);
    bool isShowingBlockingMessage() const { return blockingView_ != nullptr; }

    // A modal alert with one button that closes it and then runs `action`, when given.
    void showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(const std::string& title,
                                                                         const std::string& message,
                                                                         const std::string& cancelButtonTitle,
                                                                         Action action = nullptr);

    // What is on screen, for the host's own checks.
    const std::shared_ptr<VTBlockingMessageView>& blockingMessageView() const { return blockingView_; }
    const std::shared_ptr<VTErrorAlertView>& errorAlertView() const { return shownAlert_; }
    std::size_t waitingErrorAlertCount() const { return waitingAlerts_.size(); }

    static constexpr double phoneFontScale = 0.75;

private:
    struct ErrorAlert {
        std::string title;
        std::string message;
        std::string buttonTitle;
        Action action;
    };

    BlockingMessageShowing showBlockingMessageOnMain(const std::string& text);
    void hideBlockingMessageOnMain();
    void enqueue(ErrorAlert alert);
    void showNextErrorAlert();
    void closeErrorAlert(VTErrorAlertView& view, const Action& action);

    std::shared_ptr<VTBlockingMessageView> blockingView_;
    BlockingMessageShowing lastShowing_ = 0;
    std::shared_ptr<VTErrorAlertView> shownAlert_;
    std::deque<ErrorAlert> waitingAlerts_;
};

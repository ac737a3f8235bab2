#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ViewController.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {

enum class AlertStyle { alert, actionSheet };
enum class AlertActionStyle { defaultStyle, cancel, destructive };

struct AlertAction {
    std::string title;
    AlertActionStyle style = AlertActionStyle::defaultStyle;
    std::function<void()> handler;
};

// A modal message with buttons. Tapping a button dismisses the alert and then runs that
// action's handler.
class AlertController : public ViewController {
public:
    AlertController(std::optional<std::string> title, std::optional<std::string> message,
                    AlertStyle style = AlertStyle::alert);

    const std::optional<std::string>& alertTitle() const { return title_; }
    const std::optional<std::string>& message() const { return message_; }
    AlertStyle preferredStyle() const { return style_; }
    void addAction(AlertAction action);
    const std::vector<AlertAction>& actions() const { return actions_; }
    // The button of an action (for taps), once the view is loaded.
    std::shared_ptr<Button> buttonForAction(const std::string& title);
    // What a tap on the action's button does.
    void tapAction(std::size_t index);

    void loadView() override;
    // Keeps the box in the middle of the screen as the screen turns.
    void viewDidLayoutSubviews() override;

private:
    std::optional<std::string> title_;
    std::optional<std::string> message_;
    AlertStyle style_;
    std::vector<AlertAction> actions_;
    std::vector<std::shared_ptr<Button>> buttons_;
    std::shared_ptr<View> box_;
};

} // namespace platform::ui

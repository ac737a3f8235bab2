#pragma once

#include "sdk/screens/VTModalOverlayView.h"
#include "ui/Button.h"
#include "ui/Label.h"

#include <functional>
#include <memory>
#include <string>

// A modal error message: a title, a message and one button that closes it.
class VTErrorAlertView : public VTModalOverlayView {
public:
    // Run once, when the button is tapped.
    using CloseHandler = std::function<void(VTErrorAlertView&)>;

    VTErrorAlertView(const platform::ui::Rect& frame, const std::string& title, const std::string& message,
                     const std::string& buttonTitle, CloseHandler onClose);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<platform::ui::Label>& messageLabel() const { return messageLabel_; }
    const std::shared_ptr<platform::ui::Button>& button() const { return button_; }

protected:
    platform::ui::Size boxSize() const override;
    void layoutBox() override;

private:
    void buttonTapped();

    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::Label> messageLabel_;
    std::shared_ptr<platform::ui::Button> button_;
    CloseHandler onClose_;
};

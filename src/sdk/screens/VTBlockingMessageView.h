#pragma once

#include "sdk/screens/VTActivityIndicatorView.h"
#include "sdk/screens/VTModalOverlayView.h"
#include "ui/Label.h"

#include <memory>
#include <string>

// A message with no buttons under an activity indicator that keeps the user waiting until the code that showed it
// takes it away.
class VTBlockingMessageView : public VTModalOverlayView {
public:
    static constexpr double messageFontSize = 17;

    explicit VTBlockingMessageView(const platform::ui::Rect& frame);

    const std::shared_ptr<VTActivityIndicatorView>& indicator() const { return indicator_; }
    const std::shared_ptr<platform::ui::Label>& messageLabel() const { return messageLabel_; }
    // The text at `fontScale` times the message font size.
    void setMessage(const std::string& text, double fontScale);

protected:
    platform::ui::Size boxSize() const override;
    void layoutBox() override;

private:
    std::shared_ptr<VTActivityIndicatorView> indicator_;
    std::shared_ptr<platform::ui::Label> messageLabel_;
};

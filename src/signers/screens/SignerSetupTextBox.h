#pragma once

#include "ui/TextField.h"
#include "ui/View.h"

#include <memory>
#include <string>

// A white box around one text field of a signer-setup page, with a narrow indicator
// along its left edge that the page colours and shows to mark the field. Main thread
// only.
class SignerSetupTextBox : public platform::ui::View {
public:
    static constexpr double kHeight = 44;
    static constexpr double kIndicatorWidth = 6;

    explicit SignerSetupTextBox(const std::string& placeholder);

    const std::shared_ptr<platform::ui::View>& indicator() const { return indicator_; }
    const std::shared_ptr<platform::ui::TextField>& textField() const { return textField_; }

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::View> indicator_;
    std::shared_ptr<platform::ui::TextField> textField_;
};

#pragma once

#include "ui/TextField.h"
#include "ui/View.h"

#include <memory>
#include <string>

// A text field's value as it lies on the page, in the text field a signer types into.
// Main thread only.
class ZKTextFieldView : public platform::ui::View {
public:
    ZKTextFieldView();

    const std::shared_ptr<platform::ui::TextField>& signingModeTextField() const { return signingModeTextField_; }

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::TextField> signingModeTextField_;
};

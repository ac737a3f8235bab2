#pragma once

#include "ui/Label.h"
#include "ui/Switch.h"
#include "ui/View.h"

#include <memory>
#include <string>

// A line of a signer-setup page with a text on the left and a switch on the right.
// Main thread only.
class SignerSetupSwitchRow : public platform::ui::View {
public:
    static constexpr double kHeight = 44;

    explicit SignerSetupSwitchRow(const std::string& title);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<platform::ui::Switch>& switchControl() const { return switch_; }

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::Switch> switch_;
};

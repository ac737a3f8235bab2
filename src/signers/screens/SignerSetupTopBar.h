#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/View.h"

#include <memory>
#include <string>

// The top bar of the signer setup's pages, below the status-bar strip: a title in the
// middle, a text button at the leading edge and, when the page has one, another at the
// trailing edge. Main thread only.
class SignerSetupTopBar : public platform::ui::View {
public:
    explicit SignerSetupTopBar(const std::string& title);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }
    // Adds a white text button at the edge and answers it.
    std::shared_ptr<platform::ui::Button> addLeadingButton(const std::string& title);
    std::shared_ptr<platform::ui::Button> addTrailingButton(const std::string& title);

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::Button> leadingButton_;
    std::shared_ptr<platform::ui::Button> trailingButton_;
};

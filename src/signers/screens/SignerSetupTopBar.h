#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/View.h"

#include <memory>
#include <string>

// The top bar of the signer setup's pages, below the status-bar strip: a title in the
// middle, a text button at the leading edge and, when the page has one, a text or icon
// button at the trailing edge. Main thread only.
class SignerSetupTopBar : public platform::ui::View {
public:
    static constexpr double kButtonWidth = 80;
    static constexpr double kIconSize = 24;

    explicit SignerSetupTopBar(const std::string& title);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }
    // Adds a white text button at the edge and answers it.
    std::shared_ptr<platform::ui::Button> addLeadingButton(const std::string& title);
    std::shared_ptr<platform::ui::Button> addTrailingButton(const std::string& title);
    // The leading "Back" button, made on first use.
    const std::shared_ptr<platform::ui::Button>& backButton();
    // The trailing button as the icon font's glyph in white, made on first use.
    const std::shared_ptr<platform::ui::Button>& iconButton();

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::Button> leadingButton_;
    std::shared_ptr<platform::ui::Button> trailingButton_;
    bool trailingIsIcon_ = false;
};

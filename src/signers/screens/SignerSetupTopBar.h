#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/View.h"

#include <memory>
#include <string>

// The bar across the top of a signer-setup page: a Back button on the left, the page's
// title in the middle and, where the page has one, an icon button on the right. Main
// thread only.
class SignerSetupTopBar : public platform::ui::View {
public:
    static constexpr double kButtonWidth = 80;
    static constexpr double kIconSize = 24;

    explicit SignerSetupTopBar(const std::string& title);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<platform::ui::Button>& backButton() const { return backButton_; }
    // The right-hand button, made on first use: the icon font's glyph in white.
    const std::shared_ptr<platform::ui::Button>& iconButton();

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::Button> backButton_;
    std::shared_ptr<platform::ui::Button> iconButton_;
};

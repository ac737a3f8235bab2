#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/View.h"

#include <memory>
#include <string>

// One row of the authentication method picker: the method's name, its check mark on the
// right (hidden until chosen) and a button over the whole row. Main thread only.
class SignerAuthenticationChoiceRow : public platform::ui::View {
public:
    static constexpr double kHeight = 56;

    explicit SignerAuthenticationChoiceRow(const std::string& title);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<platform::ui::Label>& checkMark() const { return checkMark_; }
    const std::shared_ptr<platform::ui::Button>& button() const { return button_; }

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::Label> checkMark_;
    std::shared_ptr<platform::ui::View> divider_;
    std::shared_ptr<platform::ui::Button> button_;
};

#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/View.h"

#include <memory>
#include <string>

// The bar across the top of a field settings screen: Cancel on the left, the screen's
// title in the middle, Save on the right. Main thread only.
class ZKFieldSettingsTopBar : public platform::ui::View {
public:
    static constexpr double height = 56;

    explicit ZKFieldSettingsTopBar(const std::string& title);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<platform::ui::Button>& cancelButton() const { return cancelButton_; }
    const std::shared_ptr<platform::ui::Button>& saveButton() const { return saveButton_; }

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::Button> cancelButton_;
    std::shared_ptr<platform::ui::Button> saveButton_;
};

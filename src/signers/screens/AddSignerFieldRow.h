#pragma once

#include "ui/Label.h"
#include "ui/TextField.h"
#include "ui/View.h"

#include <memory>
#include <string>

// One text row of the add/edit recipient page: a caption over the text field, and the
// status bar along its bottom edge that marks a failed check. Main thread only.
class AddSignerFieldRow : public platform::ui::View {
public:
    static constexpr double height = 62;

    explicit AddSignerFieldRow(const std::string& caption);

    const std::shared_ptr<platform::ui::Label>& caption() const { return caption_; }
    const std::shared_ptr<platform::ui::TextField>& textField() const { return textField_; }
    const std::shared_ptr<platform::ui::View>& statusBar() const { return statusBar_; }
    // Room kept free at the field's right end for a button laid over the row.
    void setTrailingRoom(double room);

    void layoutSubviews() override;

private:
    std::shared_ptr<platform::ui::Label> caption_;
    std::shared_ptr<platform::ui::TextField> textField_;
    std::shared_ptr<platform::ui::View> statusBar_;
    double trailingRoom_ = 0;
};

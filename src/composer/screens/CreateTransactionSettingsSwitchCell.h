#pragma once

#include "ui/Label.h"
#include "ui/Switch.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <string>

// A settings row of a caption and a switch; a flip of the switch is reported to the page
// by the row that knows which setting it is. Main thread.
class CreateTransactionSettingsSwitchCell : public platform::ui::TableViewCell {
public:
    void awakeFromNib() override;
    void layoutSubviews() override;

protected:
    // `glyph`: the icon-font character shown before the caption, as on the page's other rows.
    CreateTransactionSettingsSwitchCell(const std::string& reuseIdentifier, const std::string& glyph,
                                        const std::string& caption);

    virtual void switchChanged(bool on) = 0;

    const std::shared_ptr<platform::ui::Label> icon_;
    const std::shared_ptr<platform::ui::Label> caption_;
    const std::shared_ptr<platform::ui::Switch> switch_;
};

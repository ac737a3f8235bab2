#pragma once

#include "ui/TableViewCell.h"

#include <string>

// A row of a list boxed in a field settings form: its text starts where the text of the
// form's other boxes does, not at a plain table's wider margin. Main thread only.
class ZKFieldSettingsListCell : public platform::ui::TableViewCell {
public:
    using TableViewCell::TableViewCell;

    void layoutSubviews() override;
};

#pragma once

#include "ui/Label.h"

namespace platform::ui {

// A section title of a table. Its text starts where the rows' text does, and keeps out
// of the sides the table leaves to the safe area, while its fill runs to the edges.
// Main thread only.
class TableHeaderLabel : public Label {
public:
    static constexpr double textInset = 15;

    void setContentInsets(const EdgeInsets& insets);
    void draw(graphics::DrawingContext& context) const override;

private:
    EdgeInsets contentInsets_;
};

} // namespace platform::ui

#pragma once

#include "ui/View.h"

#include <memory>

class ZKElement;

// A check box as it lies on the page: a square box, ticked while its element holds a
// value. The settings store "1" for checked and "" for unchecked; any other non-empty
// value the service sends counts as checked as well.
class ZKCheckboxDisplayView : public platform::ui::View {
public:
    explicit ZKCheckboxDisplayView(std::weak_ptr<ZKElement> element);

    bool isChecked() const { return checked_; }
    // Redraws the box from the element's content.
    void updateAppearance();

    void draw(platform::graphics::DrawingContext& context) const override;

private:
    std::weak_ptr<ZKElement> element_;
    bool checked_ = false;
};

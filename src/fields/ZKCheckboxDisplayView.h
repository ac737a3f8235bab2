#pragma once

#include "fields/ZKChoiceDisplayView.h"

// A check box as it lies on the page: a square box, ticked while its element holds a
// value. The settings store "1" for checked and "" for unchecked; any other non-empty
// value the service sends counts as checked as well.
class ZKCheckboxDisplayView : public ZKChoiceDisplayView {
public:
    explicit ZKCheckboxDisplayView(std::weak_ptr<ZKElement> element);

    void draw(platform::graphics::DrawingContext& context) const override;

protected:
    bool isCheckedContent(const std::string& content) const override { return !content.empty(); }
};

#pragma once

#include "fields/ZKChoiceDisplayView.h"

// A radio button as it lies on the page: a ring, with a dot while its element's content
// is "X" (checked); "" is unchecked.
class ZKRadioDisplayView : public ZKChoiceDisplayView {
public:
    static constexpr const char* checkedContent = "X";

    explicit ZKRadioDisplayView(std::weak_ptr<ZKElement> element);

    void draw(platform::graphics::DrawingContext& context) const override;

protected:
    bool isCheckedContent(const std::string& content) const override { return content == checkedContent; }
};

#pragma once

#include "ui/View.h"

#include <memory>

class ZKElement;

// A radio button as it lies on the page: a ring, with a dot while its element's content
// is "X" (checked); "" is unchecked.
class ZKRadioDisplayView : public platform::ui::View {
public:
    static constexpr const char* checkedContent = "X";

    explicit ZKRadioDisplayView(std::weak_ptr<ZKElement> element);

    bool isChecked() const { return checked_; }
    // Redraws the button from the element's content.
    void updateAppearance();

    void draw(platform::graphics::DrawingContext& context) const override;

private:
    std::weak_ptr<ZKElement> element_;
    bool checked_ = false;
};

#pragma once

#include "fields/ZKLabelDisplayView.h"

#include <memory>
#include <string>

class ZKElement;

// A drop-down list as it lies on the page: the chosen item, or a grey placeholder, beside
// a small arrow. Main thread only.
class ZKListDisplayView : public ZKLabelDisplayView {
public:
    ZKListDisplayView(std::weak_ptr<ZKElement> element, std::string placeholder);

    // Redraws the list from the element's content.
    void updateAppearance();

    void layoutSubviews() override;
    void draw(platform::graphics::DrawingContext& context) const override;

private:
    double arrowWidth() const;

    std::weak_ptr<ZKElement> element_;
    std::string placeholder_;
};

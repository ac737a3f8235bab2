#pragma once

#include "ui/View.h"

// The root view of the designer's side panel. It covers the hub below its top bar, yet
// lets every touch through to the document beneath except on its first two subviews
// (the panel's body and its reveal tab) and in a 5-point strip along its left edge,
// where a pull from the screen's edge begins. Main thread only.
class ZKPrepareFormFieldMainView : public platform::ui::View {
public:
    static constexpr double edgeStripWidth = 5;

    std::shared_ptr<platform::ui::View> hitTest(const platform::graphics::Point& point) override;
};

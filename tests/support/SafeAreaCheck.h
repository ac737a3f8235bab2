#pragma once

#include "ui/View.h"

#include <string>
#include <vector>

namespace testing_support {

// The controls, labels and text views in sight in the view's tree whose visible part (what
// no clipping view of the tree hides) reaches outside its window's safe area, one line
// each: the kind, its text if any, and its frame in the window. Empty when everything
// lies within, or when the view is in no window.
std::vector<std::string> controlsOutsideSafeArea(const platform::ui::View& view);

} // namespace testing_support

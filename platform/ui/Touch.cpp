#include "ui/Touch.h"

#include "ui/View.h"

namespace platform::ui {

graphics::Point Touch::locationInView(const View* view) const
{
    return view ? view->convertPointFrom(locationInWindow, nullptr) : locationInWindow;
}

} // namespace platform::ui

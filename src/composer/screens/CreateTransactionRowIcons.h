#pragma once

#include "graphics/Color.h"
#include "graphics/Image.h"

// The small pictures of the recipient rows, drawn for the main screen's scale: the trash
// can of the back layer and the three bars of the drag handle. 24 points square. Main
// thread (it reads the screen's scale).
struct CreateTransactionRowIcons {
    static constexpr double size = 24;

    static platform::graphics::ImagePtr trash(const platform::graphics::Color& color);
    static platform::graphics::ImagePtr dragHandle(const platform::graphics::Color& color);
};

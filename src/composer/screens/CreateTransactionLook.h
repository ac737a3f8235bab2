#pragma once

#include "graphics/Color.h"
#include "graphics/Font.h"

// The composer's colours and type, shared by its pages and rows.
struct CreateTransactionLook {
    // The top bar and the bar behind the status bar's text.
    static platform::graphics::Color bar() { return platform::graphics::Color::fromRGBA(0.137, 0.216, 0.275); }
    static platform::graphics::Color pageBackground() { return platform::graphics::Color::systemGray6(); }
    // Buttons and switches of the rows.
    static platform::graphics::Color accent() { return platform::graphics::Color::fromRGBA(0.047, 0.267, 0.427); }
    static platform::graphics::Color caption() { return platform::graphics::Color::fromWhite(0.4); }
    static platform::graphics::Color divider() { return platform::graphics::Color::fromWhite(0.808); }

    // The SDK's icon font at the size.
    static platform::graphics::Font iconFont(double size);
    static platform::graphics::Font captionFont() { return platform::graphics::Font::boldSystemFont(13); }
    static platform::graphics::Font bodyFont() { return platform::graphics::Font::systemFont(17); }
};

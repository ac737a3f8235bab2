#pragma once

#include "graphics/Color.h"
#include "graphics/Font.h"

// The colours and type of the field settings screens.
struct ZKFieldSettingsLook {
    // The top bar and the strip behind the status bar.
    static platform::graphics::Color bar() { return platform::graphics::Color::fromRGBA(0.137, 0.216, 0.275); }
    static platform::graphics::Color background() { return platform::graphics::Color::systemGray6(); }
    // Text buttons in the form and switches that are on.
    static platform::graphics::Color accent() { return platform::graphics::Color::fromRGBA(0.047, 0.267, 0.427); }
    static platform::graphics::Color caption() { return platform::graphics::Color::fromWhite(0.4); }
    static platform::graphics::Color border() { return platform::graphics::Color::systemGray4(); }
    // A hint in place of an empty entry.
    static platform::graphics::Color hint() { return platform::graphics::Color::fromRGBA(0.6, 0.6, 0.63); }

    static platform::graphics::Font titleFont() { return platform::graphics::Font::boldSystemFont(17); }
    static platform::graphics::Font barButtonFont() { return platform::graphics::Font::systemFont(16); }
    static platform::graphics::Font captionFont() { return platform::graphics::Font::boldSystemFont(13); }
    static platform::graphics::Font bodyFont() { return platform::graphics::Font::systemFont(17); }
    static platform::graphics::Font messageFont() { return platform::graphics::Font::systemFont(14); }
};

#pragma once

#include "graphics/Color.h"
#include "graphics/Font.h"

// The colours and type of the designer's side panel and its rows.
struct ZKPrepareFormFieldLook {
    static platform::graphics::Color panelBackground() { return platform::graphics::Color::white(); }
    // The bar with the panel's title and menu button.
    static platform::graphics::Color titleBar() { return platform::graphics::Color::fromWhite(0.16); }
    static platform::graphics::Color titleText() { return platform::graphics::Color::white(); }
    static platform::graphics::Color rowText() { return platform::graphics::Color::fromWhite(0.2); }
    static platform::graphics::Color glyph() { return platform::graphics::Color::fromRGBA(0.047, 0.267, 0.427); }
    static platform::graphics::Color divider() { return platform::graphics::Color::fromWhite(0.85); }
    // Row 0 while the panel only switches ceremony roles.
    static platform::graphics::Color signerOnlyCurrentSigner()
    {
        return platform::graphics::Color::fromRGBA(0.443, 0.443, 0.443, 1);
    }
    static platform::graphics::Color revealTabBorder() { return platform::graphics::Color::fromRGBA(0.85, 0.85, 0.85, 1); }
    // The flash of a tapped inner row.
    static platform::graphics::Color tapFlash() { return platform::graphics::Color::fromRGBA(0.647, 0.647, 0.647, 0.6); }
    // The guide lines that follow a dragged field.
    static platform::graphics::Color guide() { return platform::graphics::Color::lightGray(); }

    // The SDK's icon font at the size.
    static platform::graphics::Font iconFont(double size);
    static platform::graphics::Font titleFont() { return platform::graphics::Font::boldSystemFont(15); }
    static platform::graphics::Font rowFont() { return platform::graphics::Font::systemFont(15); }
    static platform::graphics::Font initialsFont() { return platform::graphics::Font::boldSystemFont(13); }
};

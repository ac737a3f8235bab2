#pragma once

#include "graphics/Color.h"
#include "support/ZKColorPaletteDelegate.h"

#include <array>
#include <memory>

// The SDK's named colours: the host palette's colour when it gives one, else the bundle's
// named colour asset, else a fixed value; and the table of signer colours.
class ZKColor {
public:
    static constexpr std::size_t kSignerColorCount = 20;

    // The host's palette (held weakly); nullptr removes it.
    static void setPaletteDelegate(const std::shared_ptr<ZKColorPaletteDelegate>& delegate);

    static platform::graphics::Color error();     // "vlt_errorColor", #F86B71
    static platform::graphics::Color success();   // "vlt_successColor", #5CC9B0
    static platform::graphics::Color textLight(); // "vlt_textLightColor", #666666

    static const std::array<platform::graphics::Color, kSignerColorCount>& signerColors();
    // The colour of the signer at `index` of the signing order; the table repeats after
    // twenty signers, and a negative index counts as 0.
    static platform::graphics::Color signerColorAtIndex(int index);
};

#pragma once

#include "graphics/Color.h"

#include <optional>

// What ZKColor asks of the host's colour palette. Each colour is optional: a palette that
// gives none for a name leaves the choice to the bundle's assets and then to the fixed
// value. The public palette delegate of the facade derives from this interface.
class ZKColorPaletteDelegate {
public:
    virtual ~ZKColorPaletteDelegate() = default;

    virtual std::optional<platform::graphics::Color> statusErrorColor() { return std::nullopt; }
    virtual std::optional<platform::graphics::Color> statusSuccessColor() { return std::nullopt; }
    virtual std::optional<platform::graphics::Color> textColorLight() { return std::nullopt; }
};

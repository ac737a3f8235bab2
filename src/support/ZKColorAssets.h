#pragma once

#include "graphics/Color.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

// The named colours of the main bundle: the resource "Colors.json", an object of colour
// names and "#RRGGBB" or "#RRGGBBAA" values. A missing or unreadable file, or a value
// that is not a colour, gives no colour for that name. The file is read once per bundle
// directory.
class ZKColorAssets {
public:
    std::optional<platform::graphics::Color> colorNamed(const std::string& name);

private:
    void loadIfNeeded();

    std::optional<std::filesystem::path> loadedFrom_;
    std::map<std::string, platform::graphics::Color> colors_;
};

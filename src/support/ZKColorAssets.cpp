#include "support/ZKColorAssets.h"

#include "foundation/Bundle.h"
#include "foundation/Dictionary.h"

#include <fstream>

std::optional<platform::graphics::Color> ZKColorAssets::colorNamed(const std::string& name)
{
    loadIfNeeded();
    const auto found = colors_.find(name);
    return found == colors_.end() ? std::nullopt : std::optional(found->second);
}

void ZKColorAssets::loadIfNeeded()
{
    const auto& bundle = platform::Bundle::main();
    if (loadedFrom_ == bundle.directory()) {
        return;
    }
    loadedFrom_ = bundle.directory();
    colors_.clear();
    const auto path = bundle.pathForResource("Colors", "json");
    if (!path) {
        return;
    }
    std::ifstream in(*path, std::ios::binary);
    const auto table = Dictionary::parse(in, nullptr, false);
    if (!table.is_object()) {
        return;
    }
    for (const auto& [name, value] : table.items()) {
        if (!value.is_string()) {
            continue;
        }
        if (const auto color = platform::graphics::Color::fromHex(value.get<std::string>())) {
            colors_.emplace(name, *color);
        }
    }
}

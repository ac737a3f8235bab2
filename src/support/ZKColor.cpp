#include "support/ZKColor.h"

#include "foundation/SharedInstances.h"
#include "support/ZKColorAssets.h"

namespace {

using platform::graphics::Color;

// What a process keeps for ZKColor: the host's palette and the bundle's colour table.
struct ColorSources {
    std::weak_ptr<ZKColorPaletteDelegate> delegate;
    ZKColorAssets assets;
};

Color rgb(unsigned value)
{
    return Color::fromRGBA(((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0);
}

Color resolve(std::optional<Color> (ZKColorPaletteDelegate::*fromPalette)(), const char* assetName, unsigned fixed)
{
    const auto sources = platform::SharedInstance<ColorSources>::get();
    if (const auto delegate = sources->delegate.lock()) {
        if (const auto color = ((*delegate).*fromPalette)()) {
            return *color;
        }
    }
    if (const auto color = sources->assets.colorNamed(assetName)) {
        return *color;
    }
    return rgb(fixed);
}

} // namespace

void ZKColor::setPaletteDelegate(const std::shared_ptr<ZKColorPaletteDelegate>& delegate)
{
    platform::SharedInstance<ColorSources>::get()->delegate = delegate;
}

Color ZKColor::error()
{
    return resolve(&ZKColorPaletteDelegate::statusErrorColor, "vlt_errorColor", 0xF86B71);
}

Color ZKColor::success()
{
    return resolve(&ZKColorPaletteDelegate::statusSuccessColor, "vlt_successColor", 0x5CC9B0);
}

Color ZKColor::textLight()
{
    return resolve(&ZKColorPaletteDelegate::textColorLight, "vlt_textLightColor", 0x666666);
}

const std::array<Color, ZKColor::kSignerColorCount>& ZKColor::signerColors()
{
    // Twenty hues far enough apart to tell neighbouring signers apart on a page.
    static const std::array<Color, kSignerColorCount> colors = {
        rgb(0x4A90E2), rgb(0xF5A623), rgb(0x7ED321), rgb(0xBD10E0), rgb(0x50E3C2),
        rgb(0xD0021B), rgb(0x8B572A), rgb(0x417505), rgb(0x9013FE), rgb(0xF8E71C),
        rgb(0x0F6FA8), rgb(0xE86A92), rgb(0x2AB7A9), rgb(0xA86F0F), rgb(0x5C6BC0),
        rgb(0xC2185B), rgb(0x00897B), rgb(0xFF7043), rgb(0x6D4C41), rgb(0x7CB342)};
    return colors;
}

Color ZKColor::signerColorAtIndex(int index)
{
    const auto slot = static_cast<std::size_t>(std::max(index, 0)) % kSignerColorCount;
    return signerColors()[slot];
}

#include "DesignerLayouts.h"

namespace host {

void walkOnEveryDevice(const std::filesystem::path& folder, const DesignerLayoutWalk& walk)
{
    using platform::ui::DeviceProfile;
    std::filesystem::create_directories(folder);
    walk(DeviceProfile::phone, folder);
    for (const auto& [profile, name] : {std::pair(DeviceProfile::tablet, "tablet"),
                                        std::pair(DeviceProfile::phoneWithNotch, "notch")}) {
        const auto subfolder = folder / name;
        std::filesystem::create_directories(subfolder);
        walk(profile, subfolder);
    }
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
}

} // namespace host

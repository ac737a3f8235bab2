#include "DesignerLayouts.h"

namespace host {

void walkOnPhoneAndTablet(const std::filesystem::path& folder, const DesignerLayoutWalk& walk)
{
    using platform::ui::DeviceProfile;
    std::filesystem::create_directories(folder);
    walk(DeviceProfile::phone, folder);
    const auto tablet = folder / "tablet";
    std::filesystem::create_directories(tablet);
    walk(DeviceProfile::tablet, tablet);
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
}

} // namespace host

#include "DeviceWalks.h"

#include <algorithm>
#include <iostream>

namespace host {

using platform::ui::DeviceProfile;

std::filesystem::path deviceFolder(const std::filesystem::path& folder, DeviceProfile profile)
{
    const auto path = profile == DeviceProfile::tablet           ? folder / "tablet"
                      : profile == DeviceProfile::phoneWithNotch ? folder / "notch"
                                                                 : folder;
    std::filesystem::create_directories(path);
    return path;
}

bool walksOn(const DemoContext& context, DeviceProfile profile)
{
    return std::find(context.devices.begin(), context.devices.end(), profile) != context.devices.end();
}

void sayDevice(DeviceProfile profile)
{
    if (profile == DeviceProfile::tablet) {
        std::cout << "On a tablet:\n";
    } else if (profile == DeviceProfile::phoneWithNotch) {
        std::cout << "On a phone with a notch:\n";
    }
}

void walkOnEachDevice(const DemoContext& context, const std::filesystem::path& folder, const DeviceWalk& walk)
{
    for (const auto profile : context.devices) {
        sayDevice(profile);
        walk(profile, deviceFolder(folder, profile));
    }
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
}

} // namespace host

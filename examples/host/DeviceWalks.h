#pragma once

#include "DemoRegistry.h"

#include "ui/Screen.h"

#include <filesystem>
#include <functional>

namespace host {

// A walk of a part's screens drawn into a folder on a device of the profile.
using DeviceWalk = std::function<void(platform::ui::DeviceProfile, const std::filesystem::path&)>;

// Where a part's walk on the device draws: the part's folder on a phone, its tablet/ or
// notch/ subfolder on a tablet or a phone with a notch; made when missing.
std::filesystem::path deviceFolder(const std::filesystem::path& folder, platform::ui::DeviceProfile profile);

// Whether the context's walks go on a device of the profile.
bool walksOn(const DemoContext& context, platform::ui::DeviceProfile profile);

// Says which device a walk goes on with, for every device but the phone.
void sayDevice(platform::ui::DeviceProfile profile);

// Runs the walk on each of the context's devices into its folder, and leaves the screen a
// phone held upright, as the walks after it expect.
void walkOnEachDevice(const DemoContext& context, const std::filesystem::path& folder, const DeviceWalk& walk);

} // namespace host

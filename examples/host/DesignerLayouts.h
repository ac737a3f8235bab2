#pragma once

#include "ui/Screen.h"

#include <filesystem>
#include <functional>

namespace host {

// A walk of the designer's screens drawn into a folder on a device of the profile.
using DesignerLayoutWalk = std::function<void(platform::ui::DeviceProfile, const std::filesystem::path&)>;

// Runs the walk on a phone into `folder`, then on a tablet into its tablet/ subfolder and
// on a phone with a notch into its notch/ subfolder, and leaves the screen a phone held
// upright, as the walks after it expect.
void walkOnEveryDevice(const std::filesystem::path& folder, const DesignerLayoutWalk& walk);

} // namespace host

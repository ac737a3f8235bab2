#include "sdk/VTDeviceModel.h"

#include "ui/Screen.h"

std::string VTDeviceModel::modelName()
{
    const bool tablet = platform::ui::Screen::main().deviceProfile() == platform::ui::DeviceProfile::tablet;
    return tablet ? "iPad" : "iPhone";
}

bool VTDeviceModel::isIPad()
{
    return modelName().find("iPad") != std::string::npos;
}

#include "sdk/facade/VeltraStartUp.h"

#include "designer/ZKDesignerFieldSettings.h"
#include "sdk/facade/VeltraFacadeServices.h"

#include <mutex>

void VeltraStartUp::run()
{
    static std::once_flag started;
    std::call_once(started, [] {
        ZKFieldSettings::install(std::make_shared<ZKDesignerFieldSettings>());
        VTFacadeServices::install(std::make_shared<VeltraFacadeServices>());
    });
}

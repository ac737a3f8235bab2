#include "sdk/facade/VeltraStartUp.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "designer/ZKDesignerFieldSettings.h"
#include "designer/screens/ZKFieldSettingsScenes.h"
#include "designer/screens/ZKFieldSettingsScreenOpener.h"
#include "designer/screens/ZKPrepareFormFieldScene.h"
#include "sdk/facade/VeltraFacadeServices.h"
#include "sdk/screens/VTIconFontPainter.h"
#include "signers/screens/SignerSetupScenes.h"

#include <mutex>

void VeltraStartUp::run()
{
    static std::once_flag started;
    std::call_once(started, [] {
        ZKFieldSettings::install(std::make_shared<ZKDesignerFieldSettings>());
        VTFacadeServices::install(std::make_shared<VeltraFacadeServices>());
        ZKFieldSettingsOpener::install(std::make_shared<ZKFieldSettingsScreenOpener>());
        VTIconFontPainter::registerFont();
        CreateTransactionStoryboard::registerScenes();
        SignerSetupScenes::registerScenes();
        ZKFieldSettingsScenes::registerScenes();
        ZKPrepareFormFieldScene::registerScenes();
    });
}

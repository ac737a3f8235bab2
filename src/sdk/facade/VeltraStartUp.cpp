#include "sdk/facade/VeltraStartUp.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "designer/ZKDesignerFieldSettings.h"
#include "designer/screens/ZKFieldSettingsScenes.h"
#include "designer/screens/ZKFieldSettingsScreenOpener.h"
#include "designer/screens/ZKPrepareFormFieldScene.h"
#include "sdk/facade/VeltraFacadeServices.h"
#include "sdk/screens/VTIconFontPainter.h"
#include "signers/screens/SignerSetupScenes.h"
#include "support/MainQueue.h"

#include <atomic>

namespace {

void install()
{
    ZKFieldSettings::install(std::make_shared<ZKDesignerFieldSettings>());
    VTFacadeServices::install(std::make_shared<VeltraFacadeServices>());
    ZKFieldSettingsOpener::install(std::make_shared<ZKFieldSettingsScreenOpener>());
    VTIconFontPainter::registerFont();
    CreateTransactionStoryboard::registerScenes();
    SignerSetupScenes::registerScenes();
    ZKFieldSettingsScenes::registerScenes();
    ZKPrepareFormFieldScene::registerScenes();
}

} // namespace

void VeltraStartUp::run()
{
    static std::atomic<bool> started = false;
    if (started.load()) {
        return;
    }
    // Only the main thread installs, so it installs once; another thread waits for it.
    runOnMainQueueWithoutDeadlocking2([] {
        if (!started.load()) {
            install();
            started.store(true);
        }
    });
}

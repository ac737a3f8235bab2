#include "designer/screens/ZKPrepareFormFieldScene.h"

#include "ceremony/screens/ZKStoryboardUniversal.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "ui/Storyboard.h"

void ZKPrepareFormFieldScene::registerScenes()
{
    platform::ui::Storyboard::registerDefinitionPart(
        ZKStoryboardUniversal::name, "designer side panel", [](platform::ui::Storyboard& storyboard) {
            storyboard.addScene(ZKStoryboardUniversal::panelScene,
                                [] { return std::make_shared<ZKPrepareFormFieldViewController>(); });
        });
}

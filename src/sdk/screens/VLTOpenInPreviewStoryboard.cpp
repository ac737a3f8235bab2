#include "sdk/screens/VLTOpenInPreviewStoryboard.h"

#include "sdk/screens/VLTOpenInPreviewController.h"
#include "ui/Storyboard.h"

#include <mutex>

std::shared_ptr<platform::ui::Storyboard> VLTOpenInPreviewStoryboard::named()
{
    static std::once_flag registered;
    std::call_once(registered, registerDefinition);
    return platform::ui::Storyboard::named(name);
}

void VLTOpenInPreviewStoryboard::registerDefinition()
{
    platform::ui::Storyboard::registerDefinition(name, [](platform::ui::Storyboard& storyboard) {
        storyboard.addScene(previewScene, [] { return std::make_shared<VLTOpenInPreviewController>(); });
        storyboard.setInitialScene(previewScene);
    });
}

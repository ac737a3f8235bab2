#include "ceremony/screens/ZKStoryboardUniversal.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "ui/Storyboard.h"

#include <mutex>

std::shared_ptr<platform::ui::Storyboard> ZKStoryboardUniversal::named()
{
    static std::once_flag registered;
    std::call_once(registered, [] { platform::ui::Storyboard::registerDefinition(name, define); });
    return platform::ui::Storyboard::named(name);
}

void ZKStoryboardUniversal::define(platform::ui::Storyboard& storyboard)
{
    storyboard.addScene(mainScene, [] { return std::make_shared<ZKMainViewController>(); });
    storyboard.setInitialScene(mainScene);
    storyboard.addSegue(mainScene, embedPanelSegue, platform::ui::SegueKind::embed, panelScene);
    for (const auto& segue : settingsSegues) {
        storyboard.addSegue(mainScene, segue.identifier, platform::ui::SegueKind::presentModally,
                            segue.destinationScene);
    }
}

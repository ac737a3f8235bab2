#include "DemoStage.h"

#include "sdk/facade/Veltra.h"

namespace host {

DemoStage DemoStage::open()
{
    DemoStage stage{std::make_shared<platform::ui::Window>(), std::make_shared<platform::ui::ViewController>(), nullptr};
    stage.navigation = std::make_shared<platform::ui::NavigationController>(stage.root);
    stage.window->setRootViewController(stage.navigation);
    stage.window->makeKeyAndVisible();
    Veltra::dashboard()->setRootViewController(stage.root);
    return stage;
}

DemoStage DemoStage::open(platform::ui::DeviceProfile profile)
{
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(profile);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    return open();
}

} // namespace host

#include "samples/HostWindow.h"

#include "sdk/facade/Veltra.h"

namespace bench {

HostWindow::HostWindow()
    : root(std::make_shared<platform::ui::ViewController>()),
      navigation(std::make_shared<platform::ui::NavigationController>(root)),
      window(std::make_shared<platform::ui::Window>())
{
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    Veltra::dashboard()->setRootViewController(root);
}

} // namespace bench

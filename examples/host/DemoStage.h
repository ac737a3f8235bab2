#pragma once

#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <memory>

namespace host {

// The host's key window: a navigation controller on an empty page, which the SDK is
// given as the root it presents its pages over.
struct DemoStage {
    // Opens on the screen as the previous walk left it.
    static DemoStage open();
    // Opens on a screen of the profile, held upright.
    static DemoStage open(platform::ui::DeviceProfile profile);

    std::shared_ptr<platform::ui::Window> window;
    std::shared_ptr<platform::ui::ViewController> root;
    std::shared_ptr<platform::ui::NavigationController> navigation;
};

} // namespace host

#pragma once

#include "ui/NavigationController.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <memory>

namespace bench {

// A host's key window as a benchmark needs it: a navigation controller on an empty page,
// shown, with the SDK given that page to present over. Call on the main run loop's thread.
struct HostWindow {
    HostWindow();

    std::shared_ptr<platform::ui::ViewController> root;
    std::shared_ptr<platform::ui::NavigationController> navigation;
    std::shared_ptr<platform::ui::Window> window;
};

} // namespace bench

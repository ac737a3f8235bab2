#pragma once

#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "samples/HostWindow.h"
#include "sdk/VTTransaction.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

#include <memory>

namespace composer_bench {

// A phone's window with a manual clock, in a fresh home, whose root controller the
// composer is pushed on through the facade, as a host does.
class ComposerWindow {
public:
    ComposerWindow();
    ~ComposerWindow();

    // The main page, opened and settled.
    std::shared_ptr<CreateTransactionAddDocsAndSignersPage> open(const std::shared_ptr<VTTransaction>& transaction);
    std::shared_ptr<CreateTransactionAddDocsAndSignersPage> page() const;
    // Back to the host's root controller.
    void close();
    // Runs what falls due in that time, then lays out.
    void settle(double seconds = 1);
    // Draws the window into an image, without encoding it.
    void draw() const;

private:
    bench::HostWindow host_;

public:
    std::shared_ptr<platform::ui::NavigationController> navigation;
    std::shared_ptr<platform::ui::Window> window;
};

} // namespace composer_bench

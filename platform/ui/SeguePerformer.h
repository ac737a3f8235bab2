#pragma once

#include "ui/StoryboardSegue.h"
#include "ui/ViewController.h"

#include <memory>
#include <string>

namespace platform::ui {

// Carries out segues: prepare, then show, present, embed or unwind.
class SeguePerformer {
public:
    static bool perform(ViewController& source, const std::string& identifier, const std::shared_ptr<void>& sender);

private:
    static void show(StoryboardSegue& segue);
    static bool unwind(ViewController& source, const std::string& identifier, const std::string& action,
                       const std::shared_ptr<void>& sender);
    // Dismisses the presentation that covers the target's screen on the way from the source.
    static void dismissPresentationsAbove(ViewController& source, ViewController& target);
    static std::shared_ptr<ViewController> findUnwindTarget(ViewController& source, const std::string& action);
};

} // namespace platform::ui

#pragma once

#include "graphics/Geometry.h"
#include "ui/View.h"
#include "ui/ViewController.h"

#include <memory>

// The frame shared by the signer setup's pages: a strip behind the status bar, the top
// bar under it and the page's content below. Main thread only.
struct SignerSetupPageLayout {
    // The strip behind the status bar: the bar's colour on devices with a notch, black on
    // the others.
    static std::shared_ptr<platform::ui::View> makeStatusBarStrip();
    // Places the strip and the bar at the top of the page's view and answers the area left
    // for the content. The navigation container the page sits in gets square corners.
    static platform::graphics::Rect layout(platform::ui::ViewController& page, platform::ui::View& statusBar,
                                           platform::ui::View& topBar);
};

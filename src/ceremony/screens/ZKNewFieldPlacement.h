#pragma once

#include "graphics/Geometry.h"

#include <cstddef>
#include <string>

// Where a palette item dragged or tapped onto the PDF viewer becomes a field: frames in
// the viewer's document coordinates, where the pages lie at one point per page point. A
// field's size is a size on screen, so it is divided by the zoom, except for check boxes
// and radio buttons, whose size is the same at every zoom.
class ZKNewFieldPlacement {
public:
    static constexpr platform::graphics::Size defaultSize{130, 38};
    static constexpr double smallSide = 13.84;
    // A released frame is shifted right by this in portrait.
    static constexpr double portraitReleaseShift = 5;
    // Each field already on the page moves a tapped one this far right and down: down by
    // more than a default field's height, so that fields tapped one after another do not
    // cover each other.
    static constexpr platform::graphics::Size staggerStep{12, 46};

    // "CheckBox" and "Radio".
    static bool keepsSizeAtEveryZoom(const std::string& type);

    // A frame released over the viewer, given in the viewer's view.
    static platform::graphics::Rect releasedFrame(const platform::graphics::Rect& frameInViewer,
                                                  const platform::graphics::Point& contentOffset, double zoom,
                                                  bool landscape, const std::string& type);

    // A tapped item: horizontally centred in the room the pages show in, its middle at one
    // third of its height, moved by `staggerStep` for each of `elementsOnPage`, and kept
    // within that room, whose top-left corner lies at `contentOffset`.
    static platform::graphics::Rect tappedFrame(const platform::graphics::Size& viewerSize,
                                                const platform::graphics::Point& contentOffset, double zoom,
                                                const std::string& type, std::size_t elementsOnPage);
};

#pragma once

#include "graphics/Geometry.h"

#include <cstddef>
#include <optional>
#include <vector>

// The pages of one document laid one under the other in document coordinates, at one
// point per page point, centred across the widest page and apart by `spacing`. An
// immutable value once made.
class ZKPDFPageStack {
public:
    static constexpr double spacing = 10;

    struct Placement {
        std::size_t pageIndex;
        // In the page's points.
        platform::graphics::Rect frame;
    };

    explicit ZKPDFPageStack(const std::vector<platform::graphics::Size>& pageSizes);

    const std::vector<platform::graphics::Rect>& pageFrames() const { return frames_; }
    platform::graphics::Size contentSize() const { return contentSize_; }

    // The page whose extent lies nearest to `y` (a page containing it first); nullopt for
    // a document without pages.
    std::optional<std::size_t> pageIndexNearestTo(double y) const;
    // A frame in document coordinates on the page nearest its middle, moved into that
    // page as far as it fits.
    std::optional<Placement> placementOf(const platform::graphics::Rect& frame) const;

private:
    std::vector<platform::graphics::Rect> frames_;
    platform::graphics::Size contentSize_;
};

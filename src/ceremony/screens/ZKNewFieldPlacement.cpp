#include "ceremony/screens/ZKNewFieldPlacement.h"

#include <algorithm>

using platform::graphics::makeRect;
using platform::graphics::Rect;

bool ZKNewFieldPlacement::keepsSizeAtEveryZoom(const std::string& type)
{
    return type == "CheckBox" || type == "Radio";
}

Rect ZKNewFieldPlacement::releasedFrame(const Rect& frameInViewer, const platform::graphics::Point& contentOffset,
                                        double zoom, bool landscape, const std::string& type)
{
    const double shift = landscape ? 0 : portraitReleaseShift;
    const bool fixed = keepsSizeAtEveryZoom(type);
    return makeRect((frameInViewer.minX() + contentOffset.x + shift) / zoom,
                    (frameInViewer.minY() + contentOffset.y) / zoom,
                    fixed ? frameInViewer.width() : frameInViewer.width() / zoom,
                    fixed ? frameInViewer.height() : frameInViewer.height() / zoom);
}

Rect ZKNewFieldPlacement::tappedFrame(const platform::graphics::Size& viewerSize,
                                      const platform::graphics::Point& contentOffset, double zoom,
                                      const std::string& type, std::size_t elementsOnPage)
{
    const bool fixed = keepsSizeAtEveryZoom(type);
    const double documentWidth = fixed ? smallSide : defaultSize.width / zoom;
    const double documentHeight = fixed ? smallSide : defaultSize.height / zoom;
    const double screenWidth = documentWidth * zoom;
    const double screenHeight = documentHeight * zoom;
    const double count = static_cast<double>(elementsOnPage);
    const double x = std::clamp((viewerSize.width - screenWidth) / 2 + staggerStep.width * count, 0.0,
                                std::max(0.0, viewerSize.width - screenWidth));
    const double y = std::clamp(viewerSize.height / 3 - screenHeight / 2 + staggerStep.height * count, 0.0,
                                std::max(0.0, viewerSize.height - screenHeight));
    return makeRect((x + contentOffset.x) / zoom, (y + contentOffset.y) / zoom, documentWidth, documentHeight);
}

#include "composer/screens/CreateTransactionRowIcons.h"

#include "graphics/ImageContext.h"
#include "ui/Screen.h"

#include <functional>

using platform::graphics::Color;
using platform::graphics::DrawingContext;
using platform::graphics::ImagePtr;
using platform::graphics::makeRect;

namespace {

ImagePtr drawIcon(const std::function<void(DrawingContext&)>& paint)
{
    platform::graphics::ImageContext canvas({CreateTransactionRowIcons::size, CreateTransactionRowIcons::size},
                                            platform::ui::Screen::main().scale(), false);
    paint(canvas.context());
    return canvas.image();
}

} // namespace

ImagePtr CreateTransactionRowIcons::trash(const Color& color)
{
    return drawIcon([&color](DrawingContext& context) {
        context.strokeLine({4, 6.5}, {20, 6.5}, color, 2);
        context.strokePolyline({{9, 6}, {9.5, 3.5}, {14.5, 3.5}, {15, 6}}, color, 1.8);
        context.strokePolyline({{6, 9}, {7, 21}, {17, 21}, {18, 9}}, color, 1.8, true);
        context.strokeLine({10, 12}, {10.3, 18}, color, 1.5);
        context.strokeLine({14, 12}, {13.7, 18}, color, 1.5);
    });
}

ImagePtr CreateTransactionRowIcons::dragHandle(const Color& color)
{
    return drawIcon([&color](DrawingContext& context) {
        for (const double top : {6.0, 11.0, 16.0}) {
            context.fill(makeRect(3, top, 18, 2.2), color, 1.1);
        }
    });
}

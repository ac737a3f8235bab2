#include "ui/ImageView.h"

#include <algorithm>

namespace platform::ui {

ImageView::ImageView()
{
    setUserInteractionEnabled(false);
}

ImageView::ImageView(const graphics::ImagePtr& image) : ImageView()
{
    image_ = image;
    if (image) {
        setFrame({{0, 0}, image->size()});
    }
}

Rect ImageView::imageRect() const
{
    const Rect area = bounds();
    if (!image_ || contentMode_ == ContentMode::scaleToFill) {
        return area;
    }
    const Size natural = image_->size();
    if (natural.isEmpty()) {
        return area;
    }
    double scale = 1;
    if (contentMode_ == ContentMode::scaleAspectFit) {
        scale = std::min(area.width() / natural.width, area.height() / natural.height);
    } else if (contentMode_ == ContentMode::scaleAspectFill) {
        scale = std::max(area.width() / natural.width, area.height() / natural.height);
    }
    const Size size{natural.width * scale, natural.height * scale};
    return {{area.midX() - size.width / 2, area.midY() - size.height / 2}, size};
}

Size ImageView::sizeThatFits(const Size& size) const
{
    return image_ ? image_->size() : size;
}

void ImageView::draw(graphics::DrawingContext& context) const
{
    if (!image_) {
        return;
    }
    context.drawImage(*image_, imageRect());
}

} // namespace platform::ui

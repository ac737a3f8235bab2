#pragma once

#include "graphics/Image.h"
#include "ui/View.h"

namespace platform::ui {

enum class ContentMode { scaleToFill, scaleAspectFit, scaleAspectFill, center };

// Shows an image in its bounds by its content mode. Takes no touches by default.
class ImageView : public View {
public:
    ImageView();
    explicit ImageView(const graphics::ImagePtr& image);

    const graphics::ImagePtr& image() const { return image_; }
    void setImage(const graphics::ImagePtr& image) { image_ = image; }
    ContentMode contentMode() const { return contentMode_; }
    void setContentMode(ContentMode mode) { contentMode_ = mode; }
    // Where the image is drawn inside the bounds.
    Rect imageRect() const;

    Size sizeThatFits(const Size& size) const override;
    void draw(graphics::DrawingContext& context) const override;

private:
    graphics::ImagePtr image_;
    ContentMode contentMode_ = ContentMode::scaleToFill;
};

} // namespace platform::ui

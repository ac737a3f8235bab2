#include "composer/DroppedImageRedraw.h"

#include "graphics/ImageCodec.h"
#include "graphics/ImageScaler.h"

using platform::graphics::Size;

Size DroppedImageRedraw::redrawnSize(const Size& size)
{
    if (size.isEmpty()) {
        return {};
    }
    if (size.height < size.width) {
        return {kLongerSide, size.height / size.width * kLongerSide};
    }
    return {size.width / size.height * kLongerSide, kLongerSide};
}

std::optional<DroppedImageRedraw::Result> DroppedImageRedraw::redraw(const Bytes& bytes)
{
    Failure ignored;
    return redraw(bytes, ignored);
}

std::optional<DroppedImageRedraw::Result> DroppedImageRedraw::redraw(const Bytes& bytes, Failure& failure)
{
    failure = Failure::unreadable;
    // Nothing larger than the redrawn picture is decoded where the format allows it.
    platform::graphics::ImageCodec::Failure decoding;
    const auto image = platform::graphics::ImageCodec::decode(bytes, kLongerSide, decoding);
    if (!image) {
        failure = decoding.tooLarge ? Failure::tooLarge : Failure::unreadable;
        return std::nullopt;
    }
    const Size size = redrawnSize(image->size());
    const auto redrawn = platform::graphics::ImageScaler::redraw(*image, size, 1.0);
    if (!redrawn) {
        return std::nullopt;
    }
    auto jpeg = platform::graphics::ImageCodec::encodeJpeg(*redrawn, kJpegQuality);
    if (jpeg.empty()) {
        return std::nullopt;
    }
    return Result{std::move(jpeg), size};
}

#include "graphics/WebpAnimationFrame.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <webp/demux.h>

#include <cstring>
#include <memory>

namespace platform::graphics {
namespace {

struct DecoderDelete {
    void operator()(WebPAnimDecoder* decoder) const { WebPAnimDecoderDelete(decoder); }
};

} // namespace

GdkPixbuf* WebpAnimationFrame::first(std::span<const std::uint8_t> bytes, std::string& error)
{
    error = "The image could not be decoded: the first frame of the WebP animation is damaged";
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        return nullptr;
    options.color_mode = MODE_RGBA;
    options.use_threads = 0;
    const WebPData data{bytes.data(), bytes.size()};
    const std::unique_ptr<WebPAnimDecoder, DecoderDelete> decoder(WebPAnimDecoderNew(&data, &options));
    WebPAnimInfo info;
    std::uint8_t* canvas = nullptr;
    int timestamp = 0;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info)
        || !WebPAnimDecoderGetNext(decoder.get(), &canvas, &timestamp))
        return nullptr;
    const auto width = static_cast<int>(info.canvas_width);
    const auto height = static_cast<int>(info.canvas_height);
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, width, height);
    if (!pixbuf) {
        error = "The decoded picture could not be made into a bitmap";
        return nullptr;
    }
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y)
        std::memcpy(pixels + static_cast<std::ptrdiff_t>(y) * stride, canvas + y * rowBytes, rowBytes);
    error.clear();
    return pixbuf;
}

} // namespace platform::graphics

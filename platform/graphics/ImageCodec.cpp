#include "graphics/ImageCodec.h"

#include "graphics/ImageHeader.h"
#include "graphics/WebpAnimationFrame.h"

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

namespace platform::graphics {
namespace {

// A header may declare more pixels than any integer type holds.
std::string tooLarge(double pixels)
{
    std::ostringstream text;
    text << "The image needs " << std::fixed << std::setprecision(0) << pixels << " pixels to decode, more than the "
         << ImageCodec::maxDecodedPixels << " a phone can hold";
    return text.str();
}

// libjpeg decodes at 1/2, 1/4 or 1/8 of the size for little more than the cost of the
// smaller picture; the largest of these that keeps the longer side needed is taken.
int jpegDenominator(double width, double height, double longerSide)
{
    if (longerSide <= 0)
        return 1;
    for (const int denominator : {8, 4, 2}) {
        if (std::ceil(std::max(width, height) / denominator) >= longerSide)
            return denominator;
    }
    return 1;
}

double scaledPixels(double width, double height, int denominator)
{
    return std::ceil(width / denominator) * std::ceil(height / denominator);
}

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using LoaderHolder = std::unique_ptr<GdkPixbufLoader, ObjectUnref>;
using PixbufHolder = std::unique_ptr<GdkPixbuf, ObjectUnref>;

// Some loaders finish a truncated file without an error; the rows that were never
// decoded tell such an image apart from a whole one.
struct LoadProgress {
    bool jpeg = false;
    // Whether the header showed a JPEG whose smaller picture costs no more than its size.
    bool scalesCheaply = false;
    double longerSide = 0;
    double refusedPixels = 0;
    int decodedBottom = 0;
    int rowsBeforeClose = 0;
};

// The size a loader tells before it allocates: a picture over the budget is refused,
// and a JPEG is asked for at its scale (exactly the size libjpeg gives, so that the
// loader scales nothing afterwards and keeps reporting the rows it decodes). Unless
// its header showed otherwise, a JPEG costs its whole size at any scale.
void chooseDecodedSize(GdkPixbufLoader* loader, int width, int height, gpointer data)
{
    auto* progress = static_cast<LoadProgress*>(data);
    const int denominator = progress->jpeg ? jpegDenominator(width, height, progress->longerSide) : 1;
    const double pixels = scaledPixels(width, height, progress->scalesCheaply ? denominator : 1);
    if (pixels > static_cast<double>(ImageCodec::maxDecodedPixels)) {
        progress->refusedPixels = pixels;
        gdk_pixbuf_loader_set_size(loader, 1, 1);
    } else if (denominator > 1) {
        gdk_pixbuf_loader_set_size(loader, static_cast<int>(std::ceil(static_cast<double>(width) / denominator)),
            static_cast<int>(std::ceil(static_cast<double>(height) / denominator)));
    }
}

void noteDecodedRows(GdkPixbufLoader*, int, int y, int, int height, gpointer data)
{
    auto* progress = static_cast<LoadProgress*>(data);
    progress->decodedBottom = std::max(progress->decodedBottom, y + height);
}

// The WebP loader reports its whole picture when it closes, decoded or not (a cut or
// damaged bitstream leaves black rows), so for it only the rows reported while reading
// count. (WebP animations do not come here.)
bool wholePictureDecoded(std::string_view type, const LoadProgress& progress, GdkPixbuf* pixbuf)
{
    const bool webp = type == "webp";
    return (webp ? progress.rowsBeforeClose : progress.decodedBottom) >= gdk_pixbuf_get_height(pixbuf);
}

std::string loaderError(GError* error)
{
    const std::string text = error ? error->message : "the decoder gave up";
    g_clear_error(&error);
    return "The image could not be decoded: " + text;
}

PixbufHolder loadPixbuf(std::span<const std::uint8_t> bytes, const ImageHeader& header, double longerSide, ImageCodec::Failure& failure)
{
    const char* type = header.loaderType;
    LoaderHolder loader(gdk_pixbuf_loader_new_with_type(type, nullptr));
    if (!loader) {
        failure.description = std::string("No loader for ") + type + " images is installed";
        return nullptr;
    }
    LoadProgress progress{std::string_view(type) == "jpeg", header.width > 0, longerSide};
    g_signal_connect(loader.get(), "size-prepared", G_CALLBACK(chooseDecodedSize), &progress);
    g_signal_connect(loader.get(), "area-updated", G_CALLBACK(noteDecodedRows), &progress);
    GError* loadError = nullptr;
    const bool written = gdk_pixbuf_loader_write(loader.get(), bytes.data(), bytes.size(), &loadError);
    progress.rowsBeforeClose = progress.decodedBottom;
    // Closing after a failed write only reports the same failure again.
    const bool closed = gdk_pixbuf_loader_close(loader.get(), written ? &loadError : nullptr);
    if (!written || !closed) {
        failure.description = loaderError(loadError);
        return nullptr;
    }
    if (progress.refusedPixels > 0) {
        failure = {tooLarge(progress.refusedPixels), true};
        return nullptr;
    }
    GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
    if (!pixbuf || !wholePictureDecoded(type, progress, pixbuf)) {
        failure.description = "The image data ends before the picture does";
        return nullptr;
    }
    if (gdk_pixbuf_get_bits_per_sample(pixbuf) != 8) {
        failure.description = "The image's pixel format is not supported";
        return nullptr;
    }
    return PixbufHolder(GDK_PIXBUF(g_object_ref(pixbuf)));
}

void copyRow(const guchar* source, int channels, std::uint32_t* target, int width)
{
    for (int x = 0; x < width; ++x, source += channels) {
        const std::uint32_t alpha = channels == 4 ? source[3] : 255;
        auto premultiplied = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
        target[x] = (alpha << 24) | (premultiplied(source[0]) << 16) | (premultiplied(source[1]) << 8)
            | premultiplied(source[2]);
    }
}

ImagePtr imageFromPixbuf(GdkPixbuf* pixbuf)
{
    const int width = gdk_pixbuf_get_width(pixbuf);
    const int height = gdk_pixbuf_get_height(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    if (channels != 3 && channels != 4)
        return nullptr;
    auto image = std::make_shared<Image>(width, height, 1.0);
    cairo_surface_t* surface = image->surface();
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    cairo_surface_flush(surface);
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    const int sourceStride = gdk_pixbuf_get_rowstride(pixbuf);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int targetStride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        copyRow(pixels + static_cast<std::ptrdiff_t>(y) * sourceStride, channels,
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * targetStride), width);
    }
    cairo_surface_mark_dirty(surface);
    return image;
}

// Premultiplied ARGB over white gives plain RGB: colour + (255 - alpha).
PixbufHolder opaquePixbufFrom(const Image& image)
{
    const int width = image.pixelWidth();
    const int height = image.pixelHeight();
    PixbufHolder pixbuf(gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height));
    if (!pixbuf)
        return nullptr;
    cairo_surface_t* surface = image.surface();
    cairo_surface_flush(surface);
    const bool opaque = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_RGB24;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int sourceStride = cairo_image_surface_get_stride(surface);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf.get());
    const int targetStride = gdk_pixbuf_get_rowstride(pixbuf.get());
    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * sourceStride);
        guchar* target = pixels + static_cast<std::ptrdiff_t>(y) * targetStride;
        for (int x = 0; x < width; ++x, target += 3) {
            const std::uint32_t argb = source[x];
            const std::uint32_t background = opaque ? 0 : 255 - (argb >> 24);
            target[0] = static_cast<guchar>(((argb >> 16) & 0xFF) + background);
            target[1] = static_cast<guchar>(((argb >> 8) & 0xFF) + background);
            target[2] = static_cast<guchar>((argb & 0xFF) + background);
        }
    }
    return pixbuf;
}

} // namespace

ImagePtr ImageCodec::decode(std::span<const std::uint8_t> bytes)
{
    std::string ignored;
    return decode(bytes, ignored);
}

ImagePtr ImageCodec::decode(std::span<const std::uint8_t> bytes, std::string& error)
{
    return decode(bytes, 0, error);
}

ImagePtr ImageCodec::decode(std::span<const std::uint8_t> bytes, double longerSide, std::string& error)
{
    Failure failure;
    ImagePtr image = decode(bytes, longerSide, failure);
    error = std::move(failure.description);
    return image;
}

ImagePtr ImageCodec::decode(std::span<const std::uint8_t> bytes, double longerSide, Failure& failure)
{
    const ImageHeader header = ImageHeader::read(bytes);
    if (!header.loaderType) {
        failure.description = "The data is no image in a format this system reads";
        return nullptr;
    }
    if (!header.intact) {
        failure.description = "The image file is cut short or its header does not match its data";
        return nullptr;
    }
    const double pixels = header.width > 0
        ? scaledPixels(header.width, header.height, jpegDenominator(header.width, header.height, longerSide))
        : header.declaredPixels;
    if (pixels > static_cast<double>(maxDecodedPixels)) {
        failure = {tooLarge(pixels), true};
        return nullptr;
    }
    PixbufHolder pixbuf = header.animation ? PixbufHolder(WebpAnimationFrame::first(bytes, failure.description))
                                           : loadPixbuf(bytes, header, longerSide, failure);
    if (!pixbuf)
        return nullptr;
    if (header.orientation > 0)
        gdk_pixbuf_set_option(pixbuf.get(), "orientation", std::to_string(header.orientation).c_str());
    // Cameras store photos as the sensor saw them and record how to turn them upright.
    PixbufHolder upright(gdk_pixbuf_apply_embedded_orientation(pixbuf.get()));
    ImagePtr image = upright ? imageFromPixbuf(upright.get()) : nullptr;
    if (!image)
        failure.description = "The decoded picture could not be made into a bitmap";
    return image;
}

std::vector<std::uint8_t> ImageCodec::encodeJpeg(const Image& image, double quality)
{
    if (image.pixelWidth() <= 0 || image.pixelHeight() <= 0)
        return {};
    PixbufHolder pixbuf = opaquePixbufFrom(image);
    if (!pixbuf)
        return {};
    const auto percent = std::to_string(static_cast<int>(std::lround(std::clamp(quality, 0.0, 1.0) * 100)));
    gchar* buffer = nullptr;
    gsize length = 0;
    GError* error = nullptr;
    const gboolean saved = gdk_pixbuf_save_to_buffer(
        pixbuf.get(), &buffer, &length, "jpeg", &error, "quality", percent.c_str(), nullptr);
    g_clear_error(&error);
    std::vector<std::uint8_t> bytes;
    if (saved)
        bytes.assign(buffer, buffer + length);
    g_free(buffer);
    return bytes;
}

} // namespace platform::graphics

#include "graphics/ImageCodec.h"

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace platform::graphics {
namespace {

bool startsWith(std::span<const std::uint8_t> bytes, std::string_view prefix, std::size_t offset = 0)
{
    return bytes.size() >= offset + prefix.size()
        && std::memcmp(bytes.data() + offset, prefix.data(), prefix.size()) == 0;
}

std::uint32_t littleEndian32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

// The system's BMP loader sizes its buffers from the header before checking it; a
// header that points past the data or names no known layout is refused here first.
bool hasSaneBitmapHeader(std::span<const std::uint8_t> bytes)
{
    constexpr std::array<std::uint32_t, 7> infoHeaderSizes = {12, 40, 52, 56, 64, 108, 124};
    if (bytes.size() < 34)
        return false;
    const std::uint32_t pixelOffset = littleEndian32(bytes, 10);
    const std::uint32_t infoSize = littleEndian32(bytes, 14);
    if (pixelOffset > bytes.size() || pixelOffset < 14 + infoSize
        || std::find(infoHeaderSizes.begin(), infoHeaderSizes.end(), infoSize) == infoHeaderSizes.end())
        return false;
    if (infoSize == 12)
        return true;
    constexpr std::array<int, 6> bitCounts = {1, 4, 8, 16, 24, 32};
    const int planes = bytes[26] | bytes[27] << 8;
    const int bitCount = bytes[28] | bytes[29] << 8;
    const std::uint32_t compression = littleEndian32(bytes, 30);
    if (planes != 1 || std::find(bitCounts.begin(), bitCounts.end(), bitCount) == bitCounts.end() || compression > 3)
        return false;
    // The palette lies between the header and the pixels; a colour count that cannot fit
    // there would make the loader allocate gigabytes for it.
    const std::uint64_t coloursUsed = bytes.size() >= 50 ? littleEndian32(bytes, 46) : 0;
    if (14 + infoSize + 4 * coloursUsed > pixelOffset)
        return false;
    const double width = std::abs(static_cast<double>(static_cast<std::int32_t>(littleEndian32(bytes, 18))));
    const double height = std::abs(static_cast<double>(static_cast<std::int32_t>(littleEndian32(bytes, 22))));
    const bool runLengthEncoded = compression == 1 || compression == 2;
    if (runLengthEncoded)
        return width <= 32767 && height <= 32767;
    const double rowBytes = std::ceil(width * bitCount / 32) * 4;
    return rowBytes * height <= static_cast<double>(bytes.size() - pixelOffset);
}

double bigEndian32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<double>(static_cast<std::uint32_t>(bytes[offset]) << 24 | bytes[offset + 1] << 16 | bytes[offset + 2] << 8 | bytes[offset + 3]);
}

// Some system loaders allocate the picture as the header declares it before they ask
// whether that size is wanted; headers that are easy to read are checked first.
double declaredPixels(std::span<const std::uint8_t> bytes, std::string_view type)
{
    if (type == "gif" && bytes.size() >= 10)
        return static_cast<double>(bytes[6] | bytes[7] << 8) * (bytes[8] | bytes[9] << 8);
    if (type == "png" && bytes.size() >= 24)
        return bigEndian32(bytes, 16) * bigEndian32(bytes, 20);
    if (type == "bmp" && littleEndian32(bytes, 14) == 12)
        return static_cast<double>(bytes[18] | bytes[19] << 8) * (bytes[20] | bytes[21] << 8);
    if (type == "bmp" && bytes.size() >= 26) {
        const auto width = static_cast<std::int32_t>(littleEndian32(bytes, 18));
        const auto height = static_cast<std::int32_t>(littleEndian32(bytes, 22));
        return std::abs(static_cast<double>(width)) * std::abs(static_cast<double>(height));
    }
    return 0;
}

// The loader to use, chosen by signature so that no other loader of the system (vector
// formats, icons) ever sees outside data.
const char* loaderTypeFor(std::span<const std::uint8_t> bytes)
{
    if (startsWith(bytes, "\x89PNG\r\n\x1a\n"))
        return "png";
    if (startsWith(bytes, "\xff\xd8\xff"))
        return "jpeg";
    if (startsWith(bytes, "GIF87a") || startsWith(bytes, "GIF89a"))
        return "gif";
    if (startsWith(bytes, std::string_view("II*\0", 4)) || startsWith(bytes, std::string_view("MM\0*", 4)))
        return "tiff";
    if (startsWith(bytes, "BM"))
        return hasSaneBitmapHeader(bytes) ? "bmp" : nullptr;
    if (startsWith(bytes, "RIFF") && startsWith(bytes, "WEBP", 8))
        return "webp";
    return nullptr;
}

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using LoaderHolder = std::unique_ptr<GdkPixbufLoader, ObjectUnref>;
using PixbufHolder = std::unique_ptr<GdkPixbuf, ObjectUnref>;

// Some loaders finish a truncated file without an error; the rows that were never
// decoded tell such an image apart from a whole one.
struct LoadProgress {
    bool tooLarge = false;
    int decodedBottom = 0;
};

void refuseHugeImages(GdkPixbufLoader* loader, int width, int height, gpointer data)
{
    if (static_cast<std::int64_t>(width) * height <= ImageCodec::maxDecodedPixels)
        return;
    static_cast<LoadProgress*>(data)->tooLarge = true;
    gdk_pixbuf_loader_set_size(loader, 1, 1);
}

void noteDecodedRows(GdkPixbufLoader*, int, int y, int, int height, gpointer data)
{
    auto* progress = static_cast<LoadProgress*>(data);
    progress->decodedBottom = std::max(progress->decodedBottom, y + height);
}

PixbufHolder loadPixbuf(std::span<const std::uint8_t> bytes, const char* type)
{
    LoaderHolder loader(gdk_pixbuf_loader_new_with_type(type, nullptr));
    if (!loader)
        return nullptr;
    LoadProgress progress;
    g_signal_connect(loader.get(), "size-prepared", G_CALLBACK(refuseHugeImages), &progress);
    g_signal_connect(loader.get(), "area-updated", G_CALLBACK(noteDecodedRows), &progress);
    GError* error = nullptr;
    const bool written = gdk_pixbuf_loader_write(loader.get(), bytes.data(), bytes.size(), &error);
    const bool closed = gdk_pixbuf_loader_close(loader.get(), written ? &error : nullptr);
    g_clear_error(&error);
    if (!written || !closed || progress.tooLarge)
        return nullptr;
    GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader.get());
    if (!pixbuf || gdk_pixbuf_get_bits_per_sample(pixbuf) != 8 || progress.decodedBottom < gdk_pixbuf_get_height(pixbuf))
        return nullptr;
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
    const char* type = loaderTypeFor(bytes);
    if (!type || declaredPixels(bytes, type) > static_cast<double>(maxDecodedPixels))
        return nullptr;
    PixbufHolder pixbuf = loadPixbuf(bytes, type);
    if (!pixbuf)
        return nullptr;
    // Cameras store photos as the sensor saw them and record how to turn them upright.
    PixbufHolder upright(gdk_pixbuf_apply_embedded_orientation(pixbuf.get()));
    return upright ? imageFromPixbuf(upright.get()) : nullptr;
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

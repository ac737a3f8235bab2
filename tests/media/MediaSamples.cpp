#include "MediaSamples.h"

#include "graphics/ImageCodec.h"
#include "graphics/PdfDocument.h"

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <poppler.h>

#include <algorithm>
#include <cstring>

namespace media_samples {

using platform::graphics::Image;
using platform::graphics::ImagePtr;

ImagePtr makeImage(int width, int height, const std::function<std::uint32_t(int, int)>& colourAt)
{
    auto image = std::make_shared<Image>(width, height, 1.0);
    cairo_t* cr = cairo_create(image->surface());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colourAt(x, y);
            cairo_set_source_rgba(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0,
                (c >> 24) / 255.0);
            cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
            cairo_rectangle(cr, x, y, 1, 1);
            cairo_fill(cr);
        }
    }
    cairo_destroy(cr);
    cairo_surface_flush(image->surface());
    return image;
}

ImagePtr makeSplitImage(int width, int height)
{
    auto image = std::make_shared<Image>(width, height, 1.0);
    cairo_t* cr = cairo_create(image->surface());
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_rectangle(cr, 0, 0, width / 2.0, height);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_rectangle(cr, width / 2.0, 0, width / 2.0, height);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image->surface());
    return image;
}

Bytes encode(const Image& image, const char* format)
{
    if (std::strcmp(format, "png") == 0)
        return image.pngData();
    const bool alpha = std::strcmp(format, "tiff") == 0;
    const int channels = alpha ? 4 : 3;
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, alpha, 8, image.pixelWidth(), image.pixelHeight());
    for (int y = 0; y < image.pixelHeight(); ++y) {
        guchar* pixel = gdk_pixbuf_get_pixels(pixbuf) + y * gdk_pixbuf_get_rowstride(pixbuf);
        for (int x = 0; x < image.pixelWidth(); ++x, pixel += channels) {
            const std::uint32_t c = image.pixelAt(x, y);
            pixel[0] = (c >> 16) & 0xFF;
            pixel[1] = (c >> 8) & 0xFF;
            pixel[2] = c & 0xFF;
            if (alpha)
                pixel[3] = c >> 24;
        }
    }
    gchar* buffer = nullptr;
    gsize length = 0;
    gdk_pixbuf_save_to_buffer(pixbuf, &buffer, &length, format, nullptr, nullptr);
    Bytes bytes(buffer, buffer + length);
    g_free(buffer);
    g_object_unref(pixbuf);
    return bytes;
}

Bytes tinyGif()
{
    // Header, a 2 x 1 screen with a 2-colour table (red, green), one image whose LZW
    // data (minimum code size 2) holds the indices 0, 1.
    return {'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, ',', 0, 0, 0, 0, 2, 0,
        1, 0, 0, 2, 2, 0x44, 0x0A, 0, ';'};
}

Bytes sidewaysJpeg(const Image& image)
{
    auto jpeg = platform::graphics::ImageCodec::encodeJpeg(image, 0.9);
    // An EXIF segment saying "rotate 90 degrees clockwise to view" (orientation 6).
    const Bytes exif = {0xFF, 0xE1, 0x00, 0x22, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 0x2A, 0, 8, 0, 0, 0, 1, 0,
        0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0};
    jpeg.insert(jpeg.begin() + 2, exif.begin(), exif.end());
    return jpeg;
}

Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

namespace {

void forEachPage(std::span<const std::uint8_t> pdf, const std::function<void(int, PopplerPage*)>& visit)
{
    GBytes* data = g_bytes_new(pdf.data(), pdf.size());
    PopplerDocument* document = poppler_document_new_from_bytes(data, nullptr, nullptr);
    g_bytes_unref(data);
    if (!document)
        return;
    for (int i = 0; i < poppler_document_get_n_pages(document); ++i) {
        PopplerPage* page = poppler_document_get_page(document, i);
        visit(i, page);
        g_object_unref(page);
    }
    g_object_unref(document);
}

const PopplerTextAttributes* attributesAt(GList* attributes, int index)
{
    for (GList* item = attributes; item; item = item->next) {
        const auto* attribute = static_cast<const PopplerTextAttributes*>(item->data);
        if (attribute->start_index <= index && index <= attribute->end_index)
            return attribute;
    }
    return nullptr;
}

void readWords(int pageIndex, PopplerPage* page, std::vector<PdfWord>& words)
{
    gchar* text = poppler_page_get_text(page);
    PopplerRectangle* rects = nullptr;
    guint rectCount = 0;
    poppler_page_get_text_layout(page, &rects, &rectCount);
    GList* attributes = poppler_page_get_text_attributes(page);
    bool inWord = false;
    int index = 0;
    for (const gchar* c = text; c && *c && static_cast<guint>(index) < rectCount; c = g_utf8_next_char(c), ++index) {
        if (g_unichar_isspace(g_utf8_get_char(c))) {
            inWord = false;
            continue;
        }
        const PopplerRectangle& r = rects[index];
        if (!inWord) {
            const PopplerTextAttributes* attribute = attributesAt(attributes, index);
            words.push_back({pageIndex, {}, {{r.x1, r.y1}, {0, 0}}, attribute ? attribute->font_name : "",
                attribute ? attribute->font_size : 0});
            inWord = true;
        }
        PdfWord& word = words.back();
        word.text.append(c, static_cast<std::size_t>(g_utf8_next_char(c) - c));
        word.box.size = {r.x2 - word.box.minX(), std::max(r.y2, word.box.maxY()) - word.box.minY()};
    }
    poppler_page_free_text_attributes(attributes);
    g_free(rects);
    g_free(text);
}

} // namespace

std::string pdfText(std::span<const std::uint8_t> pdf)
{
    std::string text;
    forEachPage(pdf, [&](int, PopplerPage* page) {
        gchar* pageText = poppler_page_get_text(page);
        text += pageText ? pageText : "";
        text += "\n";
        g_free(pageText);
    });
    return text;
}

std::vector<PdfWord> pdfWords(std::span<const std::uint8_t> pdf)
{
    std::vector<PdfWord> words;
    forEachPage(pdf, [&](int index, PopplerPage* page) { readWords(index, page, words); });
    return words;
}

bool isReddish(std::uint32_t argb)
{
    return ((argb >> 16) & 0xFF) > 200 && ((argb >> 8) & 0xFF) < 60 && (argb & 0xFF) < 60;
}

bool isBluish(std::uint32_t argb)
{
    return ((argb >> 16) & 0xFF) < 60 && ((argb >> 8) & 0xFF) < 60 && (argb & 0xFF) > 200;
}

} // namespace media_samples

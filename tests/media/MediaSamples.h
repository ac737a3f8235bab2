#pragma once

#include "graphics/Geometry.h"
#include "graphics/Image.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Small documents generated for the media tests: bitmaps of known colours in several
// file formats, and the text of a PDF as poppler reads it.
namespace media_samples {

using Bytes = std::vector<std::uint8_t>;

// A bitmap whose pixel (x, y) has the colour colourAt(x, y) as 0xAARRGGBB.
platform::graphics::ImagePtr makeImage(int width, int height, const std::function<std::uint32_t(int, int)>& colourAt);
// Left half red, right half blue.
platform::graphics::ImagePtr makeSplitImage(int width, int height);
// "png", "jpeg", "bmp" or "tiff" through the system's encoders.
Bytes encode(const platform::graphics::Image& image, const char* format);
// A 2 x 1 GIF: one red and one green pixel.
Bytes tinyGif();
// A JPEG of the image as a camera stores a photo taken on its side: its EXIF says to
// turn it 90 degrees clockwise to view.
Bytes sidewaysJpeg(const platform::graphics::Image& image);

Bytes bytesOf(std::string_view text);
std::string pdfText(std::span<const std::uint8_t> pdf);

// A word of a PDF's text as poppler reads it: where it stands on its page (in points
// from the top left corner, from its first character to its last) and its font.
struct PdfWord {
    int page = 0;
    std::string text;
    platform::graphics::Rect box;
    std::string font;
    double fontSize = 0;
};
std::vector<PdfWord> pdfWords(std::span<const std::uint8_t> pdf);

bool isReddish(std::uint32_t argb);
bool isBluish(std::uint32_t argb);

} // namespace media_samples

#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::graphics {

// Converts a document to PDF, choosing the reader by the file name's extension (case
// does not matter):
// - png, jpg, jpeg, gif, tif, tiff, bmp, webp, heic, heif: a one-page PDF of `size` (the image's
//   own size in points when `size` is 0 x 0) with the image drawn to fill the page;
// - html, htm, xhtml: laid out as a browser prints it (PaginatedHtmlRenderer), with
//   pictures from data: URIs and, when the name has a folder, from files beside it;
// - rtf: its paragraphs flowed over pages;
// - txt, text: its lines flowed over pages as they are read; a file of more than
//   maxTextBytes is refused (logged): its conversion would keep the sender waiting for long.
// Text documents use `size` as their page size, or the locale's paper (US Letter in
// the Americas that use it, A4 elsewhere) when it is 0 x 0.
// Any other extension, pdf included, and bytes that the reader refuses (empty data,
// data that is no image, not RTF, binary data, HTML of more pages or deeper nesting
// than PaginatedHtmlRenderer allows) convert to nothing; why an image was refused is
// logged.
class DocumentConverter {
public:
    // Some hundreds of pages, converted in a few seconds.
    static constexpr std::size_t maxTextBytes = 2 * 1024 * 1024;

    static std::optional<std::vector<std::uint8_t>> convertToPdf(
        std::string_view fileName, std::span<const std::uint8_t> bytes, Size size);

    // Converts and stores the PDF at `destination` atomically: on failure nothing is
    // written and an existing file there is left as it was.
    static bool writePdf(std::string_view fileName, std::span<const std::uint8_t> bytes, Size size,
        const std::filesystem::path& destination);

    static bool canConvert(std::string_view fileName);
    // A text file of more than maxTextBytes, which is refused; no other file is.
    static bool isTooLarge(std::string_view fileName, std::size_t byteCount);
    static Size paperSizeForLocale(std::string_view localeId);
};

} // namespace platform::graphics

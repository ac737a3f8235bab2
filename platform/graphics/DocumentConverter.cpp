#include "graphics/DocumentConverter.h"

#include "foundation/AtomicFile.h"
#include "foundation/Environment.h"
#include "foundation/Log.h"
#include "foundation/Text.h"
#include "graphics/ExifOrientation.h"
#include "graphics/ImageCodec.h"
#include "graphics/PaginatedHtmlRenderer.h"
#include "graphics/PaginatedTextRenderer.h"
#include "graphics/PdfWriter.h"
#include "graphics/PlainTextReader.h"
#include "graphics/RtfReader.h"
#include "graphics/TextDecoder.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace platform::graphics {
namespace {

enum class SourceKind { none, image, html, rtf, text };

constexpr std::array<std::string_view, 10> imageExtensions = {
    "png", "jpg", "jpeg", "gif", "tif", "tiff", "bmp", "webp", "heic", "heif"};
constexpr std::array<std::string_view, 8> letterRegions = {"US", "CA", "MX", "PH", "CL", "CO", "VE", "PR"};
constexpr Size a4 = {595.28, 841.89};
constexpr Size usLetter = {612, 792};

SourceKind kindOf(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return SourceKind::none;
    const std::string extension = text::toLower(fileName.substr(dot + 1));
    if (std::find(imageExtensions.begin(), imageExtensions.end(), extension) != imageExtensions.end())
        return SourceKind::image;
    if (extension == "html" || extension == "htm" || extension == "xhtml")
        return SourceKind::html;
    if (extension == "rtf")
        return SourceKind::rtf;
    if (extension == "txt" || extension == "text")
        return SourceKind::text;
    return SourceKind::none;
}

// Lets cairo embed the original JPEG stream instead of re-compressing the pixels.
void attachJpeg(const Image& image, std::span<const std::uint8_t> bytes)
{
    auto* copy = static_cast<unsigned char*>(std::malloc(bytes.size()));
    if (!copy)
        return;
    std::memcpy(copy, bytes.data(), bytes.size());
    cairo_surface_set_mime_data(image.surface(), CAIRO_MIME_TYPE_JPEG, copy, bytes.size(), std::free, copy);
}

std::optional<std::vector<std::uint8_t>> imageToPdf(std::string_view fileName, std::span<const std::uint8_t> bytes, Size size)
{
    std::string error;
    const ImagePtr image = ImageCodec::decode(bytes, error);
    if (!image) {
        Log::write("ERROR", std::string(fileName) + " is not converted: " + error);
        return std::nullopt;
    }
    // The JPEG stream holds the picture as stored; one the decoder turned upright would
    // be drawn sideways or mirrored.
    const bool jpeg = bytes.size() > 3 && bytes[0] == 0xFF && bytes[1] == 0xD8;
    if (jpeg && ExifOrientation::ofJpeg(ByteView(bytes)) <= 1)
        attachJpeg(*image, bytes);
    const Size pageSize = size.isEmpty() ? image->size() : size;
    PdfWriter writer;
    writer.beginPage(pageSize);
    writer.drawImage(*image, Rect{{0, 0}, pageSize});
    return writer.finish();
}

std::optional<std::vector<std::uint8_t>> htmlToPdf(std::string_view fileName, std::span<const std::uint8_t> bytes, Size pageSize)
{
    if (std::find(bytes.begin(), bytes.end(), std::uint8_t(0)) != bytes.end())
        return std::nullopt;
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    return PaginatedHtmlRenderer(pageSize, folder).render(TextDecoder::decode(bytes));
}

std::optional<std::vector<std::uint8_t>> rtfToPdf(std::span<const std::uint8_t> bytes, Size pageSize)
{
    const auto blocks = RtfReader::read(bytes);
    if (!blocks)
        return std::nullopt;
    return PaginatedTextRenderer(pageSize).render(*blocks);
}

// Lines go onto pages as they are read, so the text is never held twice over.
std::optional<std::vector<std::uint8_t>> plainTextToPdf(std::string_view fileName, std::span<const std::uint8_t> bytes, Size pageSize)
{
    if (DocumentConverter::isTooLarge(fileName, bytes.size())) {
        Log::write("ERROR", std::string(fileName) + " is not converted: the text file is larger than "
            + std::to_string(DocumentConverter::maxTextBytes / (1024 * 1024)) + " MB");
        return std::nullopt;
    }
    PaginatedTextRenderer renderer(pageSize);
    if (!PlainTextReader::read(bytes, [&renderer](const TextBlock& line) { renderer.add(line); }))
        return std::nullopt;
    return renderer.finish();
}

} // namespace

std::optional<std::vector<std::uint8_t>> DocumentConverter::convertToPdf(
    std::string_view fileName, std::span<const std::uint8_t> bytes, Size size)
{
    const SourceKind kind = kindOf(fileName);
    if (kind == SourceKind::none || bytes.empty())
        return std::nullopt;
    if (kind == SourceKind::image)
        return imageToPdf(fileName, bytes, size);
    const Size pageSize = size.isEmpty() ? paperSizeForLocale(Environment::locale()) : size;
    if (kind == SourceKind::html)
        return htmlToPdf(fileName, bytes, pageSize);
    if (kind == SourceKind::rtf)
        return rtfToPdf(bytes, pageSize);
    return plainTextToPdf(fileName, bytes, pageSize);
}

bool DocumentConverter::writePdf(std::string_view fileName, std::span<const std::uint8_t> bytes, Size size,
    const std::filesystem::path& destination)
{
    const auto pdf = convertToPdf(fileName, bytes, size);
    if (!pdf)
        return false;
    return AtomicFile::write(destination, std::string_view(reinterpret_cast<const char*>(pdf->data()), pdf->size()));
}

bool DocumentConverter::canConvert(std::string_view fileName)
{
    return kindOf(fileName) != SourceKind::none;
}

bool DocumentConverter::isTooLarge(std::string_view fileName, std::size_t byteCount)
{
    return kindOf(fileName) == SourceKind::text && byteCount > maxTextBytes;
}

Size DocumentConverter::paperSizeForLocale(std::string_view localeId)
{
    const std::size_t separator = localeId.find_first_of("_-");
    const std::string_view region = separator == std::string_view::npos ? "" : localeId.substr(separator + 1, 2);
    const bool letter = std::find(letterRegions.begin(), letterRegions.end(), region) != letterRegions.end();
    return letter ? usLetter : a4;
}

} // namespace platform::graphics

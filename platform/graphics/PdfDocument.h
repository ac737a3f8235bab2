#pragma once

#include "graphics/Image.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

typedef struct _PopplerDocument PopplerDocument;

namespace platform::graphics {

// A PDF opened for reading: page count, page sizes and pages rendered to bitmaps.
class PdfDocument {
public:
    // nullptr when the bytes are not a readable PDF (damaged, encrypted with a password).
    static std::unique_ptr<PdfDocument> open(std::span<const std::uint8_t> bytes);
    static std::unique_ptr<PdfDocument> openFile(const std::filesystem::path& path);

    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    int pageCount() const;
    // In points; nullopt for an index outside the document.
    std::optional<Size> pageSize(int index) const;
    // The page on white at `scale` pixels per point; nullptr for an index outside the
    // document or a bitmap of more than maxRenderedPixels.
    ImagePtr renderPage(int index, double scale = 1.0) const;

    static constexpr std::int64_t maxRenderedPixels = 64'000'000;

private:
    explicit PdfDocument(PopplerDocument* document);
    PopplerDocument* document_;
};

} // namespace platform::graphics

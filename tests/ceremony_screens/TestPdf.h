#pragma once

#include "graphics/DrawingContext.h"
#include "graphics/PdfWriter.h"

#include <filesystem>
#include <fstream>

namespace hub_testing {

// Letter-size pages, each with a blue band across its top, written to `path`.
inline void writeBandedPdf(const std::filesystem::path& path, int pages)
{
    platform::graphics::PdfWriter writer;
    for (int page = 0; page < pages; ++page) {
        writer.beginPage({612, 792});
        platform::graphics::DrawingContext drawing(writer.context());
        drawing.fill(platform::graphics::makeRect(0, 0, 612, 90), platform::graphics::Color::systemBlue());
    }
    const auto bytes = writer.finish();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
}

} // namespace hub_testing

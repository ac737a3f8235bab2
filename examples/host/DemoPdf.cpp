#include "DemoPdf.h"

#include "graphics/DrawingContext.h"
#include "graphics/PdfWriter.h"

#include <fstream>

namespace host {

std::string writeLetterPdf(const std::filesystem::path& path, const std::string& heading)
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    platform::graphics::DrawingContext drawing(writer.context());
    drawing.fill(platform::graphics::makeRect(0, 0, 612, 90), platform::graphics::Color::systemBlue());
    platform::graphics::TextStyle style;
    style.font = platform::graphics::Font::boldSystemFont(36);
    drawing.drawText(heading, platform::graphics::makeRect(50, 120, 512, 60), style);
    for (int line = 0; line < 12; ++line) {
        drawing.fill(platform::graphics::makeRect(50, 210 + 30.0 * line, line % 4 == 3 ? 300 : 512, 10),
                     platform::graphics::Color::lightGray());
    }
    const auto bytes = writer.finish();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
    return path.string();
}

} // namespace host

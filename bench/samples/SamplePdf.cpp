#include "samples/SamplePdf.h"

#include "graphics/PdfWriter.h"

#include <fstream>

namespace bench_samples {

std::string writeBlankPagePdf(const std::filesystem::path& path)
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    const auto bytes = writer.finish();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
    return path.string();
}

} // namespace bench_samples

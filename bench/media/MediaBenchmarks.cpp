#include "contacts/VCardReader.h"
#include "contacts/VCardWriter.h"
#include "graphics/DocumentConverter.h"
#include "graphics/ImageCodec.h"
#include "graphics/ImageScaler.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace platform;

std::filesystem::path workDirectory()
{
    static const auto directory = [] {
        auto path = std::filesystem::temp_directory_path() / "veltra-media-bench";
        std::filesystem::create_directories(path);
        return path;
    }();
    return directory;
}

// A 4000 x 3000 picture with gradients, shapes and grain, so that JPEG has a photo's
// amount of detail to keep.
const std::vector<std::uint8_t>& photoJpeg()
{
    static const auto bytes = [] {
        graphics::Image image(4000, 3000);
        cairo_t* cr = cairo_create(image.surface());
        cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 4000, 3000);
        cairo_pattern_add_color_stop_rgb(sky, 0, 0.2, 0.4, 0.8);
        cairo_pattern_add_color_stop_rgb(sky, 1, 0.9, 0.7, 0.3);
        cairo_set_source(cr, sky);
        cairo_paint(cr);
        cairo_pattern_destroy(sky);
        std::mt19937 random(7);
        for (int i = 0; i < 400; ++i) {
            cairo_set_source_rgba(cr, random() % 256 / 255.0, random() % 256 / 255.0, random() % 256 / 255.0, 0.6);
            cairo_arc(cr, random() % 4000, random() % 3000, 20 + random() % 200, 0, 6.3);
            cairo_fill(cr);
        }
        cairo_destroy(cr);
        cairo_surface_flush(image.surface());
        auto* pixels = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image.surface()));
        for (int i = 0; i < 4000 * 3000; ++i)
            pixels[i] ^= random() & 0x00070707;
        cairo_surface_mark_dirty(image.surface());
        return graphics::ImageCodec::encodeJpeg(image, 0.9);
    }();
    return bytes;
}

std::filesystem::path photoFile()
{
    const auto path = workDirectory() / "photo-4000x3000.jpg";
    if (!std::filesystem::exists(path)) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(photoJpeg().data()), photoJpeg().size());
    }
    return path;
}

// What the importer does with a dropped photo: decode, redraw with the longer side at
// 1024 points, encode as JPEG at quality 0.75.
void BM_ImportPhoto(benchmark::State& state)
{
    const auto& jpeg = photoJpeg();
    for (auto _ : state) {
        const auto image = graphics::ImageCodec::decode(jpeg);
        const graphics::Size size = image->size();
        const graphics::Size target = size.height < size.width
            ? graphics::Size{1024, size.height / size.width * 1024}
            : graphics::Size{size.width / size.height * 1024, 1024};
        const auto redrawn = graphics::ImageScaler::redraw(*image, target);
        benchmark::DoNotOptimize(graphics::ImageCodec::encodeJpeg(*redrawn, 0.75));
    }
    state.SetLabel(std::to_string(jpeg.size() / 1024) + " KB photo");
}
BENCHMARK(BM_ImportPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same work by ImageMagick on the same file, for comparison (process start included).
void BM_ImageMagickConvert(benchmark::State& state)
{
    const std::string command = "convert '" + photoFile().string() + "' -resize 1024x1024 -quality 75 '"
        + (workDirectory() / "convert-out.jpg").string() + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("ImageMagick's convert failed");
            break;
        }
    }
}
BENCHMARK(BM_ImageMagickConvert)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadTenThousandVCards(benchmark::State& state)
{
    std::vector<contacts::Contact> cards;
    for (int i = 0; i < 10000; ++i) {
        contacts::Contact contact;
        contact.givenName = "Given" + std::to_string(i);
        contact.familyName = "Family\u00E9" + std::to_string(i);
        contact.emailAddresses = {{"work", "person" + std::to_string(i) + "@example.com"}, {"home", "p" + std::to_string(i) + "@home.example"}};
        contact.organizationName = "Organisation " + std::to_string(i % 50);
        contact.jobTitle = "Title";
        cards.push_back(contact);
    }
    const std::string text = contacts::VCardWriter::write(cards, contacts::VCardVersion::v3_0);
    for (auto _ : state) {
        const auto result = contacts::VCardReader::read(std::string_view(text));
        if (result.contacts.size() != 10000)
            state.SkipWithError("cards lost");
    }
    state.SetLabel(std::to_string(text.size() / 1024) + " KB");
}
BENCHMARK(BM_ReadTenThousandVCards)->Unit(benchmark::kMillisecond);

void BM_PlainTextToPdf(benchmark::State& state)
{
    std::string text;
    std::mt19937 random(3);
    const char* words[] = {"agreement", "the", "signer", "shall", "document", "of", "and", "party", "date", "clause"};
    while (text.size() < 200 * 1024) {
        text += words[random() % 10];
        text += random() % 12 == 0 ? "\n" : " ";
    }
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    for (auto _ : state) {
        const auto pdf = graphics::DocumentConverter::convertToPdf("notes.txt", bytes, {});
        if (!pdf)
            state.SkipWithError("conversion failed");
    }
    state.SetLabel(std::to_string(bytes.size() / 1024) + " KB text");
}
BENCHMARK(BM_PlainTextToPdf)->Unit(benchmark::kMillisecond);

// A 200 KB contract-like page: sections of headings, paragraphs, bulleted lists and
// bordered tables, styled in a style sheet.
const std::string& contractHtml()
{
    static const std::string html = [] {
        std::mt19937 random(5);
        const char* words[] = {"agreement", "the", "signer", "shall", "document", "of", "and", "party", "date", "clause",
                               "tenant", "landlord", "premises", "notice", "payment", "term"};
        const auto sentence = [&](int length) {
            std::string text = "Whereas";
            for (int i = 0; i < length; ++i)
                text += std::string(" ") + words[random() % 16];
            return text + ".";
        };
        std::string page = "<!DOCTYPE html><html><head><style>body { font-family: Arial, sans-serif; }"
                           "table { border-collapse: collapse; } td, th { border: 1px solid #444; padding: 3px 6px; }"
                           "th { background: #dde; }</style></head><body>";
        for (int section = 0; page.size() < 200 * 1024; ++section) {
            page += "<h2>Section " + std::to_string(section) + "</h2><p>";
            for (int i = 0; i < 5; ++i)
                page += sentence(8 + random() % 12) + " ";
            page += "</p><ul>";
            for (int i = 0; i < 4; ++i)
                page += "<li>" + sentence(8) + "</li>";
            page += "</ul><table><tr><th>Item</th><th>Amount</th><th>Note</th></tr>";
            for (int row = 0; row < 6; ++row)
                page += "<tr><td>Row " + std::to_string(row) + "</td><td>" + std::to_string(random() % 9999) + ".00</td><td>"
                    + sentence(4) + "</td></tr>";
            page += "</table>";
        }
        return page + "</body></html>";
    }();
    return html;
}

void BM_HtmlToPdf(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes(contractHtml().begin(), contractHtml().end());
    for (auto _ : state) {
        const auto pdf = graphics::DocumentConverter::convertToPdf("contract.html", bytes, {612, 792});
        if (!pdf)
            state.SkipWithError("conversion failed");
    }
    state.SetLabel(std::to_string(bytes.size() / 1024) + " KB HTML");
}
BENCHMARK(BM_HtmlToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same file through wkhtmltopdf, as a user would run it, on the same paper with the
// same margins (process start included). Skipped where it is not installed.
void BM_WkhtmltopdfHtmlToPdf(benchmark::State& state)
{
    const auto input = workDirectory() / "contract.html";
    std::ofstream(input, std::ios::binary) << contractHtml();
    const std::string command = "wkhtmltopdf -q --page-size Letter -T 17.64mm -B 17.64mm -L 17.64mm -R 17.64mm '"
        + input.string() + "' '" + (workDirectory() / "contract-wkhtmltopdf.pdf").string() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("wkhtmltopdf is not installed or failed");
            break;
        }
    }
}
BENCHMARK(BM_WkhtmltopdfHtmlToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

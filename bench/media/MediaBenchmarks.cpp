#include "TiledHeicWriter.h"

#include "composer/DroppedImageRedraw.h"
#include "contacts/VCardReader.h"
#include "contacts/VCardWriter.h"
#include "graphics/DocumentConverter.h"
#include "graphics/ImageCodec.h"
#include "graphics/ImageScaler.h"
#include "samples/SamplePhoto.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path photoFile()
{
    const auto path = workDirectory() / "photo-4000x3000.jpg";
    if (!std::filesystem::exists(path))
        writeFile(path, bench_samples::samplePhotoJpeg());
    return path;
}

// A 4032 x 3024 HEIC photo as phone cameras take them: 8 x 6 tiles of 512 x 512. The
// SDK writes no HEIC, so ImageMagick encodes the tiles once (that takes a while) and the
// photo is kept for later runs.
std::filesystem::path heicFile()
{
    constexpr int columns = 8;
    constexpr int rows = 6;
    constexpr int tile = 512;
    const auto path = workDirectory() / "photo-4032x3024.heic";
    if (std::filesystem::exists(path))
        return path;
    const auto source = workDirectory() / "photo-4096x3072.jpg";
    writeFile(source, graphics::ImageCodec::encodeJpeg(*bench_samples::samplePhoto(columns * tile, rows * tile), 0.95));
    const std::string command = "convert '" + source.string() + "' -crop 512x512 +repage -quality 80 '"
        + (workDirectory() / "tile-%02d.heic").string() + "'";
    if (std::system(command.c_str()) != 0)
        return path;
    std::vector<std::vector<std::uint8_t>> tiles;
    for (int i = 0; i < columns * rows; ++i)
        tiles.push_back(readFile(workDirectory() / ("tile-" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".heic")));
    if (const auto photo = TiledHeicWriter::write(tiles, columns, tile, tile, 4032, 3024))
        writeFile(path, *photo);
    return path;
}

// What the importer does with a dropped photo: decode no larger than needed, redraw with
// the longer side at 1024 points, encode as JPEG at quality 0.75.
void importPhoto(benchmark::State& state, const std::vector<std::uint8_t>& photo)
{
    for (auto _ : state) {
        if (!DroppedImageRedraw::redraw(photo)) {
            state.SkipWithError("the photo could not be imported");
            break;
        }
    }
    state.SetLabel(std::to_string(photo.size() / 1024) + " KB photo");
}

// The same, decoding the photo whole before redrawing it, as the importer used to.
void importPhotoDecodedWhole(benchmark::State& state, const std::vector<std::uint8_t>& photo)
{
    for (auto _ : state) {
        const auto image = graphics::ImageCodec::decode(photo);
        if (!image) {
            state.SkipWithError("the photo could not be decoded");
            break;
        }
        const auto redrawn = graphics::ImageScaler::redraw(*image, DroppedImageRedraw::redrawnSize(image->size()));
        benchmark::DoNotOptimize(graphics::ImageCodec::encodeJpeg(*redrawn, DroppedImageRedraw::kJpegQuality));
    }
    state.SetLabel(std::to_string(photo.size() / 1024) + " KB photo");
}

// ImageMagick's own binary: the `convert` first on PATH may be a wrapper that does more.
std::string imageMagickConvert()
{
    const std::filesystem::path real = "/usr/bin/convert-im6.q16";
    return std::filesystem::exists(real) ? real.string() : "convert";
}

// The same work by ImageMagick on the same file, for comparison (process start included).
void convertWithImageMagick(benchmark::State& state, const std::filesystem::path& photo)
{
    const std::string command = imageMagickConvert() + " '" + photo.string() + "' -resize 1024x1024 -quality 75 '"
        + (workDirectory() / "convert-out.jpg").string() + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("ImageMagick's convert failed");
            break;
        }
    }
}

void BM_ImportPhoto(benchmark::State& state)
{
    importPhoto(state, bench_samples::samplePhotoJpeg());
}
BENCHMARK(BM_ImportPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportPhotoDecodedWhole(benchmark::State& state)
{
    importPhotoDecodedWhole(state, bench_samples::samplePhotoJpeg());
}
BENCHMARK(BM_ImportPhotoDecodedWhole)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImageMagickConvert(benchmark::State& state)
{
    convertWithImageMagick(state, photoFile());
}
BENCHMARK(BM_ImageMagickConvert)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportHeicPhoto(benchmark::State& state)
{
    static const auto heic = readFile(heicFile());
    importPhoto(state, heic);
}
BENCHMARK(BM_ImportHeicPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImageMagickConvertHeic(benchmark::State& state)
{
    convertWithImageMagick(state, heicFile());
}
BENCHMARK(BM_ImageMagickConvertHeic)->Unit(benchmark::kMillisecond)->UseRealTime();

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

// Words of a contract, a line break after about every twelfth word, or none at all.
std::vector<std::uint8_t> contractText(std::size_t size, bool oneLine)
{
    std::string text;
    std::mt19937 random(3);
    const char* words[] = {"agreement", "the", "signer", "shall", "document", "of", "and", "party", "date", "clause"};
    while (text.size() < size) {
        text += words[random() % 10];
        text += !oneLine && random() % 12 == 0 ? "\n" : " ";
    }
    return {text.begin(), text.end()};
}

void textToPdf(benchmark::State& state, const std::vector<std::uint8_t>& bytes)
{
    for (auto _ : state) {
        const auto pdf = graphics::DocumentConverter::convertToPdf("notes.txt", bytes, {});
        if (!pdf)
            state.SkipWithError("conversion failed");
    }
    state.SetLabel(std::to_string(bytes.size() / 1024) + " KB text");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_PlainTextToPdf(benchmark::State& state)
{
    textToPdf(state, contractText(static_cast<std::size_t>(state.range(0)) * 1024, false));
}
BENCHMARK(BM_PlainTextToPdf)->Arg(200)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_OneLineTextToPdf(benchmark::State& state)
{
    textToPdf(state, contractText(static_cast<std::size_t>(state.range(0)) * 1024, true));
}
BENCHMARK(BM_OneLineTextToPdf)->Arg(1024)->Unit(benchmark::kMillisecond);

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

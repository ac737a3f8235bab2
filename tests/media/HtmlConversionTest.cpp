#include "MediaSamples.h"

#include "support/VeltraTest.h"
#include "foundation/Base64.h"
#include "graphics/DocumentConverter.h"
#include "graphics/PdfDocument.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>

using namespace media_samples;
using platform::graphics::DocumentConverter;
using platform::graphics::Image;
using platform::graphics::PdfDocument;
using platform::graphics::Size;

namespace {

constexpr Size letter = {612, 792};
constexpr double margin = 50;

class HtmlConversionTest : public testing_support::VeltraTest {
protected:
    // Converts as the importer does: by file name, on the locale's paper (US Letter here).
    static Bytes convert(const std::string& html, const std::string& fileName = "page.html")
    {
        const auto pdf = DocumentConverter::convertToPdf(fileName, bytesOf(html), {});
        return pdf ? *pdf : Bytes();
    }

    static const PdfWord& word(const std::vector<PdfWord>& words, const std::string& text)
    {
        const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == text; });
        if (found == words.end())
            throw std::runtime_error("no word " + text);
        return *found;
    }

    static int countPixels(const Bytes& pdf, const std::function<bool(std::uint32_t)>& matches)
    {
        const auto page = PdfDocument::open(pdf)->renderPage(0, 1.0);
        int count = 0;
        for (int y = 0; y < page->pixelHeight(); ++y) {
            for (int x = 0; x < page->pixelWidth(); ++x)
                count += matches(page->pixelAt(x, y)) ? 1 : 0;
        }
        return count;
    }

    static std::string dataUri(const Image& image)
    {
        return "data:image/png;base64," + platform::Base64::encode(image.pngData());
    }
};

bool isGreenish(std::uint32_t argb)
{
    return ((argb >> 16) & 0xFF) < 60 && ((argb >> 8) & 0xFF) > 200 && (argb & 0xFF) < 60;
}

bool isInk(std::uint32_t argb)
{
    return ((argb >> 16) & 0xFF) < 180 && ((argb >> 8) & 0xFF) < 180 && (argb & 0xFF) < 180;
}

TEST_F(HtmlConversionTest, TableWithBordersKeepsItsRowsAndColumns)
{
    const Bytes pdf = convert(
        "<style>td { padding: 2px 12px; }</style><table border='1' style='border-collapse: collapse'>"
        "<tr><td>Item</td><td>Quantity</td><td>Price</td></tr>"
        "<tr><td>Apples</td><td>12</td><td>3.50</td></tr>"
        "<tr><td>Pears</td><td>7</td><td>2.25</td></tr></table>");
    ASSERT_FALSE(pdf.empty());
    const auto words = pdfWords(pdf);
    const std::vector<std::vector<std::string>> rows = {{"Item", "Quantity", "Price"}, {"Apples", "12", "3.50"}, {"Pears", "7", "2.25"}};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            const PdfWord& cell = word(words, rows[row][column]);
            EXPECT_NEAR(cell.box.maxY(), word(words, rows[row][0]).box.maxY(), 0.5) << cell.text;
            EXPECT_NEAR(cell.box.minX(), word(words, rows[0][column]).box.minX(), 0.5) << cell.text;
            if (row > 0)
                EXPECT_GT(cell.box.minY(), word(words, rows[row - 1][column]).box.maxY() - 0.5) << cell.text;
        }
        EXPECT_LT(word(words, rows[row][0]).box.maxX(), word(words, rows[row][1]).box.minX());
        EXPECT_LT(word(words, rows[row][1]).box.maxX(), word(words, rows[row][2]).box.minX());
    }
    // A ruling stands between the first two cells of a row.
    const auto page = PdfDocument::open(pdf)->renderPage(0, 2.0);
    const PdfWord& apples = word(words, "Apples");
    const int y = static_cast<int>(apples.box.midY() * 2);
    bool ruled = false;
    for (int x = static_cast<int>(apples.box.maxX() * 2); x < word(words, "12").box.minX() * 2; ++x)
        ruled = ruled || isInk(page->pixelAt(x, y));
    EXPECT_TRUE(ruled);
}

TEST_F(HtmlConversionTest, HeadingsEmphasisAndLineBreaksShowAsInABrowser)
{
    const Bytes pdf = convert("<h1>Agreement</h1><p>plain <b>strong</b> <i>slanted</i> <span style='color:#c00'>red</span></p>"
                              "<p>one<br>two<br><br>four<br></p><p>next</p>"
                              "<p style='text-align: justify; width: 300px'>Alpha beta gamma delta epsilon zeta eta theta iota "
                              "kappa lambda</p><p style='text-align: justify; width: 300px'><u>Alpha beta gamma delta epsilon "
                              "zeta eta theta iota kappa lambda</u></p>");
    ASSERT_FALSE(pdf.empty());
    const auto words = pdfWords(pdf);
    const PdfWord& plain = word(words, "plain");
    EXPECT_GT(word(words, "Agreement").fontSize, 1.5 * plain.fontSize);
    EXPECT_NE(word(words, "Agreement").font.find("Bold"), std::string::npos);
    EXPECT_NE(word(words, "strong").font.find("Bold"), std::string::npos);
    EXPECT_EQ(plain.font.find("Bold"), std::string::npos);
    const std::string slanted = word(words, "slanted").font;
    EXPECT_TRUE(slanted.find("Italic") != std::string::npos || slanted.find("Oblique") != std::string::npos) << slanted;
    EXPECT_GT(countPixels(pdf, isReddish), 0);

    // A line break starts a line; two leave an empty one; one closing a paragraph adds none.
    const double line = word(words, "two").box.maxY() - word(words, "one").box.maxY();
    EXPECT_GT(line, 0.8 * plain.fontSize);
    EXPECT_NEAR(word(words, "four").box.maxY() - word(words, "two").box.maxY(), 2 * line, 1);
    EXPECT_LT(word(words, "next").box.maxY() - word(words, "four").box.maxY(), 3 * line);

    // A line's words drawn together stand where they stand drawn one by one (underlined).
    for (const std::string text : {"Alpha", "gamma", "epsilon", "theta"}) {
        std::vector<double> lefts;
        for (const PdfWord& w : words) {
            if (w.text == text)
                lefts.push_back(w.box.minX());
        }
        ASSERT_EQ(lefts.size(), 2u) << text;
        EXPECT_NEAR(lefts[0], lefts[1], 0.2) << text;
    }
}

TEST_F(HtmlConversionTest, LongDocumentGoesOverPagesWithoutLosingOrCuttingText)
{
    std::string html = "<h1>Terms</h1>";
    for (int i = 0; i < 60; ++i)
        html += "<p>Paragraph " + std::to_string(i) + " says that the parties agree to the terms set out in clause "
            + std::to_string(i) + " and that nothing here is lost.</p>";
    html += "<ul>";
    for (int i = 0; i < 40; ++i)
        html += "<li>Point " + std::to_string(i) + "</li>";
    html += "</ul><style>td { padding: 4px 10px; }</style><table border='1'>";
    for (int i = 0; i < 80; ++i)
        html += "<tr><td>Row" + std::to_string(i) + "</td><td>Value" + std::to_string(i) + "</td></tr>";
    html += "</table>";
    const Bytes pdf = convert(html);
    ASSERT_FALSE(pdf.empty());
    const auto document = PdfDocument::open(pdf);
    EXPECT_GE(document->pageCount(), 4);

    std::string text = pdfText(pdf);
    std::replace(text.begin(), text.end(), '\n', ' ');
    for (int i = 0; i < 60; ++i) {
        const std::string paragraph = "Paragraph " + std::to_string(i) + " says that the parties agree to the terms set out in clause "
            + std::to_string(i) + " and that nothing here is lost.";
        EXPECT_NE(text.find(paragraph), std::string::npos) << paragraph;
    }
    // Each row whole on one page: its cells read one after the other there.
    const auto words = pdfWords(pdf);
    std::vector<std::string> pages(document->pageCount());
    for (const PdfWord& w : words)
        pages[w.page] += w.text;
    for (int i = 0; i < 80; ++i) {
        const std::string row = "Row" + std::to_string(i) + "Value" + std::to_string(i);
        EXPECT_EQ(std::count_if(pages.begin(), pages.end(), [&](const std::string& page) { return page.find(row) != std::string::npos; }), 1)
            << row;
    }
    EXPECT_EQ(std::count_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "Point"; }), 40);
    for (const PdfWord& w : words) {
        EXPECT_GE(w.box.minY(), margin - 1) << w.text << " on page " << w.page;
        EXPECT_LE(w.box.maxY(), letter.height - margin + 1) << w.text << " on page " << w.page;
    }
}

TEST_F(HtmlConversionTest, PictureInADataUriIsDrawn)
{
    const auto green = makeImage(80, 40, [](int, int) { return 0xFF00FF00u; });
    const Bytes pdf = convert("<p>Logo: <img src='" + dataUri(*green) + "'> and <img src='data:image/png;base64,@@@'></p>");
    ASSERT_FALSE(pdf.empty());
    // 80 x 40 CSS pixels are 60 x 30 points.
    EXPECT_NEAR(countPixels(pdf, isGreenish), 60 * 30, 200);
    EXPECT_NE(pdfText(pdf).find("Logo:"), std::string::npos);
}

TEST_F(HtmlConversionTest, ExternalPicturesAndStyleSheetsAreNotFetched)
{
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    socklen_t length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const std::string host = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));

    const Bytes pdf = convert("<link rel='stylesheet' href='http://" + host + "/style.css'>"
        "<style>@import url(http://" + host + "/more.css); body { background: url(http://" + host + "/bg.png) }</style>"
        "<p>Before <img src='http://" + host + "/a.png'> <img src='//" + host + "/b.png'> after</p>");
    ASSERT_FALSE(pdf.empty());
    EXPECT_NE(pdfText(pdf).find("Before"), std::string::npos);
    pollfd waiting = {listener, POLLIN, 0};
    EXPECT_EQ(poll(&waiting, 1, 0), 0);
    close(listener);
}

TEST_F(HtmlConversionTest, PicturesBesideTheFileAreDrawnButNothingOutsideItsFolder)
{
    const auto folder = home() / "Documents" / "export";
    std::filesystem::create_directories(folder / "images");
    const auto writeImage = [](const std::filesystem::path& path, std::uint32_t colour) {
        makeImage(40, 40, [colour](int, int) { return colour; })->writePng(path);
    };
    writeImage(folder / "images" / "logo one.png", 0xFF00FF00u);
    writeImage(home() / "Documents" / "private.png", 0xFF0000FFu);
    std::filesystem::create_symlink(home() / "Documents" / "private.png", folder / "images" / "link.png");

    const Bytes pdf = convert("<img src='images/logo%20one.png?v=2'><img src='../private.png'>"
        "<img src='" + (home() / "Documents" / "private.png").string() + "'><img src='images/link.png'>"
        "<img src='file://" + (home() / "Documents" / "private.png").string() + "'><p>text</p>",
        (folder / "page.html").string());
    ASSERT_FALSE(pdf.empty());
    EXPECT_NEAR(countPixels(pdf, isGreenish), 30 * 30, 100);
    EXPECT_EQ(countPixels(pdf, isBluish), 0);

    // A bare name has no folder: only data: URIs give pictures.
    const Bytes bare = convert("<img src='images/logo%20one.png'><p>text</p>", "page.html");
    EXPECT_EQ(countPixels(bare, isGreenish), 0);
}

TEST_F(HtmlConversionTest, DamagedMarkupAndForeignEncodingsStillConvert)
{
    const Bytes latin = convert("<p>Gr\xFC\xDF" "e \x80 <b>bold <i>both");
    ASSERT_FALSE(latin.empty());
    EXPECT_NE(pdfText(latin).find("Gr\u00FC\u00DFe \u20AC bold both"), std::string::npos);

    const Bytes broken = convert("<table><tr><td>cell one<td>cell two</table></li></ul><p unterminated=\"x>tail");
    ASSERT_FALSE(broken.empty());
    EXPECT_NE(pdfText(broken).find("cell one"), std::string::npos);
    EXPECT_NE(pdfText(broken).find("cell two"), std::string::npos);

    EXPECT_FALSE(convert("plain words, no markup at all").empty());
    EXPECT_FALSE(convert(std::string(5000, '<')).empty());
}

TEST_F(HtmlConversionTest, PagesTooManyOrNestedTooDeeplyAreRefused)
{
    EXPECT_TRUE(convert("<div style='height: 5000000px'>tall</div>").empty());
    EXPECT_FALSE(DocumentConverter::convertToPdf("a.html", bytesOf("<p>x</p>"), {100, 100}));

    const auto repeated = [](std::string_view piece, int times) {
        std::string html;
        for (int i = 0; i < times; ++i)
            html += piece;
        return html;
    };
    EXPECT_TRUE(convert(repeated("<div>", 5000) + "deep").empty());
    EXPECT_TRUE(convert(repeated("<table><tr><td>", 600)).empty());
    EXPECT_FALSE(convert(repeated("<div>", 400) + "deep enough").empty());
    // Tags a browser closes by itself, void elements, comments and script text do not nest.
    EXPECT_FALSE(convert(repeated("<p>para<li>item<br><img src=x><!-- <div> -->", 3000)).empty());
    EXPECT_FALSE(convert(repeated("<script>document.write('<div>')</script>", 3000) + "<p>after</p>").empty());
}

} // namespace

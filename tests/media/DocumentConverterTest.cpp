#include "MediaSamples.h"

#include "support/PeakMemory.h"
#include "support/VeltraTest.h"
#include "foundation/Environment.h"
#include "graphics/DocumentConverter.h"
#include "graphics/ImageCodec.h"
#include "graphics/PdfDocument.h"

#include <algorithm>
#include <fstream>

using namespace media_samples;
using platform::graphics::DocumentConverter;
using platform::graphics::ImageCodec;
using platform::graphics::PdfDocument;
using platform::graphics::Size;

namespace {

class DocumentConverterTest : public testing_support::VeltraTest {};

constexpr Size a4 = {595.28, 841.89};
constexpr Size letter = {612, 792};

TEST_F(DocumentConverterTest, ImageBecomesOnePageFilledWithIt)
{
    const auto jpeg = ImageCodec::encodeJpeg(*makeSplitImage(120, 80), 0.9);
    for (const auto& [size, expected] : {std::pair{Size{0, 0}, Size{120, 80}}, std::pair{Size{1024, 682.67}, Size{1024, 682.67}}}) {
        const auto pdf = DocumentConverter::convertToPdf("Photo.JPG", jpeg, size);
        ASSERT_TRUE(pdf);
        const auto document = PdfDocument::open(*pdf);
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(document->pageCount(), 1);
        const auto pageSize = document->pageSize(0);
        EXPECT_NEAR(pageSize->width, expected.width, 0.01);
        EXPECT_NEAR(pageSize->height, expected.height, 0.01);
        const auto page = document->renderPage(0, 0.5);
        EXPECT_TRUE(isReddish(page->pixelAt(2, page->pixelHeight() - 2)));
        EXPECT_TRUE(isBluish(page->pixelAt(page->pixelWidth() - 2, 1)));
    }
    const auto png = DocumentConverter::convertToPdf("scan.png", makeSplitImage(10, 10)->pngData(), {});
    ASSERT_TRUE(png);
    EXPECT_EQ(PdfDocument::open(*png)->pageSize(0), (Size{10, 10}));
}

TEST_F(DocumentConverterTest, APhotoTakenOnItsSideIsUprightOnItsPage)
{
    const auto pdf = DocumentConverter::convertToPdf("photo.jpg", sidewaysJpeg(*makeSplitImage(40, 20)), {});
    ASSERT_TRUE(pdf);
    const auto document = PdfDocument::open(*pdf);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->pageSize(0), (Size{20, 40}));
    const auto page = document->renderPage(0, 1);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(isReddish(page->pixelAt(10, 5)));
    EXPECT_TRUE(isBluish(page->pixelAt(10, 35)));
}

TEST_F(DocumentConverterTest, HtmlIsPaginatedOntoThePaperOfTheLocale)
{
    std::string html = "<h1>Agreement</h1><ul><li>first point</li></ul>";
    for (int i = 0; i < 120; ++i)
        html += "<p>Paragraph " + std::to_string(i) + " of the agreement text.</p>";
    const auto pdf = DocumentConverter::convertToPdf("HTML document.html", bytesOf(html), {});
    ASSERT_TRUE(pdf);
    const auto document = PdfDocument::open(*pdf);
    EXPECT_GE(document->pageCount(), 3);
    EXPECT_EQ(document->pageSize(0), letter);
    const std::string text = pdfText(*pdf);
    EXPECT_NE(text.find("Agreement"), std::string::npos);
    EXPECT_NE(text.find("first point"), std::string::npos);
    EXPECT_NE(text.find("Paragraph 119 of"), std::string::npos);

    platform::Environment::setLocale("de_DE");
    const auto german = DocumentConverter::convertToPdf("a.htm", bytesOf("<p>Hallo</p>"), {});
    const auto germanPage = PdfDocument::open(*german)->pageSize(0);
    EXPECT_NEAR(germanPage->width, a4.width, 0.01);
    EXPECT_NEAR(germanPage->height, a4.height, 0.01);
    const auto sized = DocumentConverter::convertToPdf("a.htm", bytesOf("<p>Hallo</p>"), {400, 500});
    EXPECT_EQ(PdfDocument::open(*sized)->pageSize(0), (Size{400, 500}));
}

TEST_F(DocumentConverterTest, RtfAndPlainTextKeepTheirWords)
{
    const auto rtf = DocumentConverter::convertToPdf(
        "Text document.rtf", bytesOf("{\\rtf1{\\fonttbl{\\f0 Arial;}}Dear signer,\\par Caf\\'e9 ready.\\par}"), {});
    ASSERT_TRUE(rtf);
    const std::string rtfText = pdfText(*rtf);
    EXPECT_NE(rtfText.find("Dear signer,"), std::string::npos);
    EXPECT_NE(rtfText.find("Caf\u00E9 ready."), std::string::npos);
    EXPECT_EQ(rtfText.find("Arial"), std::string::npos);

    std::string lines;
    for (int i = 0; i < 400; ++i)
        lines += "line " + std::to_string(i) + "\n";
    const auto text = DocumentConverter::convertToPdf("Text document.txt", bytesOf(lines), {});
    ASSERT_TRUE(text);
    EXPECT_GE(PdfDocument::open(*text)->pageCount(), 5);
    EXPECT_NE(pdfText(*text).find("line 399"), std::string::npos);
}

// Numbered words on one line, "w1 w2 w3 ...", of at least `size` bytes.
std::string numberedWords(std::size_t size)
{
    std::string text;
    for (int word = 1; text.size() < size; ++word)
        text += "w" + std::to_string(word) + " ";
    return text;
}

TEST_F(DocumentConverterTest, ALongLineFlowsOverPagesWithoutLosingAWordAndInBoundedMemory)
{
    const std::string line = numberedWords(40 * 1024);
    const auto pdf = DocumentConverter::convertToPdf("notes.txt", bytesOf(line), {});
    ASSERT_TRUE(pdf);
    std::string words = pdfText(*pdf);
    std::replace(words.begin(), words.end(), '\n', ' ');
    EXPECT_NE(words.find(line.substr(0, line.size() - 1)), std::string::npos) << "every word once, in order";

    const std::string longLine = numberedWords(3 * DocumentConverter::maxTextBytes / 4);
    const auto growth = testing_support::PeakMemory::growthDuring([&] {
        EXPECT_TRUE(DocumentConverter::convertToPdf("notes.txt", bytesOf(longLine), {}));
    });
    if (!testing_support::PeakMemory::measuresTheCode)
        GTEST_SKIP() << testing_support::PeakMemory::whyNotMeasured;
    EXPECT_LE(growth, 32 << 20);
}

TEST_F(DocumentConverterTest, ATextFileAboveTheSizeLimitIsRefusedWithTheReason)
{
    const std::string text(DocumentConverter::maxTextBytes + 1, 'a');
    EXPECT_FALSE(DocumentConverter::convertToPdf("big.txt", bytesOf(text), {}));
    EXPECT_EQ(logLines().back(), "ERROR: big.txt is not converted: the text file is larger than 2 MB");
}

TEST_F(DocumentConverterTest, WhatCannotConvertGivesNothing)
{
    const auto png = makeSplitImage(4, 4)->pngData();
    EXPECT_FALSE(DocumentConverter::convertToPdf("document.pdf", bytesOf("%PDF-1.4"), {}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("archive.zip", png, {}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("noextension", png, {}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("photo.png", bytesOf("not an image"), {}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("photo.png", png, {1e6, 1e6}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("notes.txt", {}, {}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("notes.txt", bytesOf(std::string("a\0b", 3)), {}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("page.html", bytesOf(std::string("<p>\0</p>", 8)), {}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("letter.rtf", bytesOf("plain words"), {}));
    EXPECT_FALSE(DocumentConverter::convertToPdf("tiny.txt", bytesOf("x"), {50, 50}));
    EXPECT_TRUE(DocumentConverter::canConvert("A.TIFF"));
    EXPECT_FALSE(DocumentConverter::canConvert("A.pdf"));
}

TEST_F(DocumentConverterTest, WritingStoresWholeFilesOrLeavesTheOldOne)
{
    const auto target = home() / "tmp" / "out.pdf";
    ASSERT_TRUE(DocumentConverter::writePdf("a.txt", bytesOf("hello"), {}, target));
    ASSERT_NE(PdfDocument::openFile(target), nullptr);
    const auto before = std::filesystem::file_size(target);

    EXPECT_FALSE(DocumentConverter::writePdf("b.png", bytesOf("broken"), {}, target));
    EXPECT_EQ(std::filesystem::file_size(target), before);
    EXPECT_FALSE(DocumentConverter::writePdf("b.png", bytesOf("broken"), {}, home() / "tmp" / "new.pdf"));
    EXPECT_FALSE(std::filesystem::exists(home() / "tmp" / "new.pdf"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home() / "tmp"), {}), 1);
}

} // namespace

#include "MediaSamples.h"

#include "support/VeltraTest.h"
#include "graphics/PdfDocument.h"
#include "graphics/PdfWriter.h"

#include <cairo.h>

using namespace media_samples;
using platform::graphics::PdfDocument;
using platform::graphics::PdfWriter;
using platform::graphics::Size;

namespace {

class PdfTest : public testing_support::VeltraTest {};

TEST_F(PdfTest, WrittenPagesKeepTheirSizesAndDrawings)
{
    PdfWriter writer;
    writer.beginPage({200, 100});
    writer.drawImage(*makeSplitImage(20, 10), {{0, 0}, {200, 100}});
    writer.beginPage({300, 400});
    cairo_set_source_rgb(writer.context(), 0, 0, 1);
    cairo_rectangle(writer.context(), 0, 0, 300, 200);
    cairo_fill(writer.context());
    const auto bytes = writer.finish();
    ASSERT_TRUE(bytes);

    const auto document = PdfDocument::open(*bytes);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->pageCount(), 2);
    EXPECT_EQ(document->pageSize(0), (Size{200, 100}));
    EXPECT_EQ(document->pageSize(1), (Size{300, 400}));
    EXPECT_FALSE(document->pageSize(2));
    EXPECT_FALSE(document->pageSize(-1));

    const auto first = document->renderPage(0, 0.5);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->size(), (Size{200, 100}));
    EXPECT_EQ(first->pixelWidth(), 100);
    EXPECT_TRUE(isReddish(first->pixelAt(10, 25)));
    EXPECT_TRUE(isBluish(first->pixelAt(90, 25)));
    // The second page is blue above the middle and white (the paper) below.
    const auto second = document->renderPage(1);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(isBluish(second->pixelAt(150, 50)));
    EXPECT_EQ(second->pixelAt(150, 350), 0xFFFFFFFFu);
    EXPECT_EQ(document->renderPage(2), nullptr);
}

TEST_F(PdfTest, WriterRefusesDocumentsWithoutPagesOrWithImpossiblePages)
{
    PdfWriter empty;
    EXPECT_FALSE(empty.finish());
    PdfWriter huge;
    huge.beginPage({100, 1e7});
    EXPECT_FALSE(huge.finish());
    PdfWriter flat;
    flat.beginPage({0, 100});
    EXPECT_FALSE(flat.finish());
}

TEST_F(PdfTest, ReaderRefusesDamagedDataAndHugeRenders)
{
    PdfWriter writer;
    writer.beginPage({5000, 5000});
    const auto bytes = writer.finish();
    ASSERT_TRUE(bytes);
    EXPECT_EQ(PdfDocument::open({}), nullptr);
    EXPECT_EQ(PdfDocument::open(bytesOf("%PDF-1.7\n%%EOF\n")), nullptr);
    EXPECT_EQ(PdfDocument::open(std::span(*bytes).first(bytes->size() / 3)), nullptr);
    EXPECT_EQ(PdfDocument::openFile(home() / "missing.pdf"), nullptr);

    const auto document = PdfDocument::open(*bytes);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->renderPage(0, 10), nullptr);
    EXPECT_NE(document->renderPage(0, 0.1), nullptr);
}

} // namespace

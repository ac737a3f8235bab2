#include "ComposerTestSupport.h"

#include "dragdrop/DropSession.h"
#include "dragdrop/ItemProvider.h"
#include "foundation/RunLoop.h"
#include "graphics/ImageCodec.h"
#include "graphics/ImageScaler.h"
#include "graphics/PdfDocument.h"

namespace {

using composer_testing::ComposerTest;
using namespace platform;
using Bytes = std::vector<std::uint8_t>;

// Reads dropped documents under the general identifiers, PDF first, as the composer's
// importer does.
struct DroppedDocument {
    Bytes data;
    std::string typeIdentifier;

    static std::vector<std::string> readableTypeIdentifiersForItemProvider()
    {
        return {"com.adobe.pdf", "public.image", "public.html", "public.rtf", "public.plain-text"};
    }

    static std::shared_ptr<DroppedDocument> objectWithItemProviderDataTypeIdentifierError(
        const Bytes& data, const std::string& typeIdentifier, std::optional<std::string>&)
    {
        return std::make_shared<DroppedDocument>(DroppedDocument{data, typeIdentifier});
    }
};

class DroppedPhotoTest : public ComposerTest {
protected:
    std::vector<std::shared_ptr<DroppedDocument>> drop(const std::string& type, const Bytes& data)
    {
        const dragdrop::DropSession session({dragdrop::DragItem{std::make_shared<dragdrop::ItemProvider>(type, data)}}, {});
        EXPECT_TRUE(session.canLoadObjectsOfClass<DroppedDocument>());
        std::optional<std::vector<std::shared_ptr<DroppedDocument>>> loaded;
        session.loadObjectsOfClass<DroppedDocument>([&](auto documents) { loaded = std::move(documents); });
        EXPECT_TRUE(waitFor([&] { return loaded.has_value(); }));
        return loaded.value_or(std::vector<std::shared_ptr<DroppedDocument>>{});
    }

    // The photo as the importer hands it on: the longer side redrawn to 1024 points,
    // JPEG at 0.75; nothing for bytes that are no image.
    std::optional<Dictionary> importPhoto(const std::string& name, const Bytes& bytes)
    {
        const auto image = graphics::ImageCodec::decode(bytes);
        if (!image)
            return std::nullopt;
        const graphics::Size size = image->size();
        const graphics::Size target = size.height < size.width ? graphics::Size{1024, size.height / size.width * 1024}
                                                                : graphics::Size{size.width / size.height * 1024, 1024};
        const auto redrawn = graphics::ImageScaler::redraw(*image, target);
        std::optional<Dictionary> result;
        bool done = false;
        model->addDocumentWithNameAtIndexDataAndSizeCompletion(name, -1, graphics::ImageCodec::encodeJpeg(*redrawn, 0.75),
            target, [&](const std::optional<Dictionary>& value) {
                result = value;
                done = true;
            });
        EXPECT_TRUE(waitFor([&] { return done; }));
        return result;
    }
};

TEST_F(DroppedPhotoTest, ADroppedHeicPhotoBecomesADocumentWhosePageHoldsTheRedrawnPhoto)
{
    const auto documents = drop("public.heic", testing_support::sampleFile("photo.heic"));
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0]->typeIdentifier, "public.image");

    EXPECT_EQ(importPhoto("IMG_0001.heic", documents[0]->data), (Dictionary{{"status", true}}));
    ASSERT_EQ(model->documentsNumber(), 1);
    EXPECT_EQ(model->nameOfDocumentWithIndex(0), "IMG_0001");
    const auto pdf = graphics::PdfDocument::open(model->dataForDocumentWithIndex(0).value_or(Bytes{}));
    ASSERT_NE(pdf, nullptr);
    ASSERT_EQ(pdf->pageCount(), 1);
    EXPECT_EQ(pdf->pageSize(0), (graphics::Size{1024, 512}));
    const auto page = pdf->renderPage(0, 0.25);
    ASSERT_NE(page, nullptr);
    const std::uint32_t left = page->pixelAt(40, 64);
    const std::uint32_t right = page->pixelAt(216, 64);
    EXPECT_GT(left >> 16 & 0xFF, 200u) << std::hex << left;
    EXPECT_LT(left & 0xFF, 60u) << std::hex << left;
    EXPECT_GT(right & 0xFF, 200u) << std::hex << right;
    EXPECT_LT(right >> 16 & 0xFF, 60u) << std::hex << right;
}

TEST_F(DroppedPhotoTest, ADroppedWebpPhotoIsAnImageAndACutOneAddsNothing)
{
    const Bytes webp = testing_support::sampleFile("photo-exif-rotated.webp");
    const auto documents = drop("org.webmproject.webp", webp);
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0]->typeIdentifier, "public.image");
    EXPECT_EQ(importPhoto("upright.webp", documents[0]->data), (Dictionary{{"status", true}}));
    const auto pdf = graphics::PdfDocument::open(model->dataForDocumentWithIndex(0).value_or(Bytes{}));
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(pdf->pageSize(0), (graphics::Size{512, 1024}));

    EXPECT_EQ(importPhoto("cut.webp", Bytes(webp.begin(), webp.end() - 20)), std::nullopt);
    EXPECT_EQ(model->documentsNumber(), 1);
}

} // namespace

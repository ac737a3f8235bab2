#include "ComposerTestSupport.h"

#include "composer/DragAndDropHelper.h"
#include "composer/DroppedImageRedraw.h"
#include "foundation/RunLoop.h"
#include "graphics/Image.h"
#include "graphics/ImageCodec.h"
#include "graphics/PdfDocument.h"
#include "graphics/PdfWriter.h"
#include "support/PeakMemory.h"

namespace {

using composer_testing::ComposerTest;
using Bytes = DragAndDropDocument::Bytes;
using platform::contacts::Contact;
using platform::graphics::Size;

const Bytes kPdf = [] {
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    return *writer.finish();
}();

std::shared_ptr<DragAndDropDocument> item(const std::string& typeIdentifier, std::optional<Bytes> data)
{
    return std::make_shared<DragAndDropDocument>(std::move(data), typeIdentifier);
}

Bytes picture(int width, int height)
{
    return platform::graphics::Image(width, height).pngData();
}

Contact contact(const std::string& given, const std::string& family, const std::string& email)
{
    Contact person;
    person.givenName = given;
    person.familyName = family;
    if (!email.empty()) {
        person.emailAddresses = {{"work", email}, {"home", "other-" + email}};
    }
    person.organizationName = "Acme";
    person.jobTitle = "Clerk";
    return person;
}

class DragAndDropHelperTest : public ComposerTest {
protected:
    // Starts a document batch and waits for its completion; the number of completions.
    int importDocuments()
    {
        int completions = 0;
        importer->startImportingDocuments([&](const std::vector<DragAndDropHelper::RefusedFile>&) { ++completions; });
        waitFor([&] { return completions > 0; });
        platform::RunLoop::main().runUntilIdle();
        return completions;
    }

    std::vector<std::string> documentNames() const
    {
        std::vector<std::string> names;
        for (int index = 0; index < model->documentsNumber(); ++index) {
            names.push_back(model->nameOfDocumentWithIndex(index).value_or("<none>"));
        }
        return names;
    }

    std::optional<Size> pageSizeOfDocument(int index) const
    {
        const auto path = model->displayDataForDocumentWithIndex(index).value("path", std::string());
        const auto pdf = platform::graphics::PdfDocument::openFile(path);
        return pdf ? pdf->pageSize(0) : std::nullopt;
    }

    std::shared_ptr<DragAndDropHelper> importer = std::make_shared<DragAndDropHelper>();
};

TEST_F(DragAndDropHelperTest, DroppedPicturesGetALongerSideOfExactly1024Points)
{
    EXPECT_NEAR(DroppedImageRedraw::redrawnSize({3000, 2000}).height, 682.67, 0.005);
    EXPECT_EQ(DroppedImageRedraw::redrawnSize({3000, 2000}).width, 1024);
    EXPECT_EQ(DroppedImageRedraw::redrawnSize({500, 800}), (Size{640, 1024}));
    EXPECT_EQ(DroppedImageRedraw::redrawnSize({600, 600}), (Size{1024, 1024}));

    const auto redrawn = DroppedImageRedraw::redraw(picture(30, 20));
    ASSERT_TRUE(redrawn);
    EXPECT_NEAR(redrawn->size.height, 682.67, 0.005);
    const auto jpeg = platform::graphics::ImageCodec::decode(redrawn->jpeg);
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->pixelWidth(), 1024);
    EXPECT_EQ(jpeg->pixelHeight(), 683);
    EXPECT_EQ(redrawn->jpeg[0], 0xFF) << "a JPEG, whatever the picture was";

    EXPECT_FALSE(DroppedImageRedraw::redraw(kPdf));
}

// A phone's system kills an app that takes hundreds of megabytes: pictures that would
// need that are refused before they are decoded, and a camera photo is decoded no larger
// than its redrawn size.
TEST_F(DragAndDropHelperTest, PicturesBeyondAPhonesMemoryAreRefusedWhileCameraPhotosImportSmall)
{
    const std::vector<std::pair<std::string, Bytes>> drops = {
        {"huge-canvas.gif", testing_support::sampleFile("huge-canvas.gif")},
        {"animated-canvas.webp", testing_support::sampleFile("animated-canvas.webp")},
        {"camera.jpg", platform::graphics::ImageCodec::encodeJpeg(platform::graphics::Image(8064, 6048), 0.9)}};
    for (const auto& [name, bytes] : drops) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(bytes.empty());
        ASSERT_TRUE(importer->addFiles({item("public.image", bytes)}, {name}, std::nullopt));
        const auto growth = testing_support::PeakMemory::growthDuring([&] { EXPECT_EQ(importDocuments(), 1); });
        if (testing_support::PeakMemory::measuresTheCode)
            EXPECT_LE(growth, 64 << 20);
    }
    EXPECT_EQ(documentNames(), (std::vector<std::string>{"camera"}));
    EXPECT_EQ(pageSizeOfDocument(0), (Size{1024, 768}));
    if (!testing_support::PeakMemory::measuresTheCode)
        GTEST_SKIP() << testing_support::PeakMemory::whyNotMeasured;
}

TEST_F(DragAndDropHelperTest, QueueingIsRefusedForMissingNamesOrMismatchedPositions)
{
    const DragAndDropHelper::Documents two{item("com.adobe.pdf", kPdf), item("com.adobe.pdf", kPdf)};
    EXPECT_FALSE(importer->addFiles({}, {"a.pdf"}, std::nullopt));
    EXPECT_FALSE(importer->addFiles(two, {"a.pdf"}, std::nullopt));
    EXPECT_FALSE(importer->addFiles(two, {"a.pdf", "b.pdf"}, std::vector<int>{0}));
    EXPECT_FALSE(importer->addFiles(two, {"a.pdf", "b.pdf", "c.pdf"}, std::vector<int>{0, 1}));
    EXPECT_TRUE(importer->addFiles(two, {"a.pdf", "b.pdf", "c.pdf"}, std::nullopt));
    EXPECT_EQ(importDocuments(), 1);
    EXPECT_EQ(documentNames(), (std::vector<std::string>{"b.pdf", "a.pdf"})) << "each at the top, in turn";

    EXPECT_FALSE(importer->addContacts({}, {}));
    EXPECT_FALSE(importer->addContacts({contact("Ann", "Lee", "ann@example.com"), contact("Bo", "Ray", "")}, {0}));
}

TEST_F(DragAndDropHelperTest, AMixedBatchAddsWhatItCanInOrderAndCompletesOnce)
{
    EXPECT_TRUE(importer->addFiles({item("com.adobe.pdf", kPdf), item("public.movie", Bytes{1}),
                                    item("public.image", picture(300, 200)), item("public.rtf", std::nullopt)},
                                   {"contract.pdf", "clip.mov", "photo.png", "letter.rtf"},
                                   std::vector<int>{0, 1, 1, 2}));
    EXPECT_TRUE(importer->addFiles({item("public.plain-text", Bytes{'h', 'i'}), item("public.image", kPdf)},
                                   {"notes.txt", "broken.png"}, std::vector<int>{5, 0}));
    EXPECT_EQ(importDocuments(), 1);

    EXPECT_EQ(documentNames(), (std::vector<std::string>{"contract.pdf", "photo", "notes"}));
    EXPECT_EQ(delegate->messages, std::vector<std::string>(3, "documentsHaveBeenUpdated"));
    const auto photoPage = pageSizeOfDocument(1);
    ASSERT_TRUE(photoPage);
    EXPECT_NEAR(photoPage->width, 1024, 0.01);
    EXPECT_NEAR(photoPage->height, 682.67, 0.01);

    // Idle again: a new drop is taken.
    EXPECT_TRUE(importer->addFiles({item("com.adobe.pdf", kPdf)}, {"again.pdf"}, std::nullopt));
}

TEST_F(DragAndDropHelperTest, PositionsStayWithTheirItemsAcrossDrops)
{
    model->addDocument(Dictionary{{"displayName", "kept.pdf"}, {"path", "/tmp/kept.pdf"}});
    ASSERT_TRUE(importer->addFiles({item("com.adobe.pdf", kPdf)}, {"top.pdf"}, std::nullopt));
    ASSERT_TRUE(importer->addFiles({item("com.adobe.pdf", kPdf), item("com.adobe.pdf", kPdf)},
                                   {"last.pdf", "second.pdf"}, std::vector<int>{9, 1}));
    EXPECT_EQ(importDocuments(), 1);
    EXPECT_EQ(documentNames(), (std::vector<std::string>{"top.pdf", "second.pdf", "kept.pdf", "last.pdf"}));
}

TEST_F(DragAndDropHelperTest, ARunningBatchRefusesNewDropsAndIsLeftAlone)
{
    ASSERT_TRUE(importer->addFiles({item("public.plain-text", Bytes{'a'}), item("com.adobe.pdf", kPdf)},
                                   {"first.txt", "second.pdf"}, std::vector<int>{0, 1}));
    int completions = 0;
    importer->startImportingDocuments([&](const std::vector<DragAndDropHelper::RefusedFile>&) { ++completions; });
    // The text is being converted on its own thread; nothing has answered yet.
    EXPECT_FALSE(importer->addFiles({item("com.adobe.pdf", kPdf)}, {"late.pdf"}, std::nullopt));
    EXPECT_FALSE(importer->addContacts({contact("Ann", "Lee", "ann@example.com")}, {0}));
    importer->startImportingDocuments([&](const std::vector<DragAndDropHelper::RefusedFile>&) { completions += 10; });
    importer->startImportingContacts([&](int, int) { completions += 100; });

    ASSERT_TRUE(waitFor([&] { return completions > 0; }));
    platform::RunLoop::main().runUntilIdle();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(documentNames(), (std::vector<std::string>{"first", "second.pdf"}));
    EXPECT_EQ(model->signersNumber(), 0);
}

TEST_F(DragAndDropHelperTest, ABatchOfNothingOrOfSkippedItemsStillCompletes)
{
    int documentCompletions = 0;
    importer->startImportingDocuments([&](const std::vector<DragAndDropHelper::RefusedFile>&) { ++documentCompletions; });
    EXPECT_EQ(documentCompletions, 1);
    std::vector<std::pair<int, int>> counts;
    importer->startImportingContacts([&](int total, int added) { counts.emplace_back(total, added); });
    EXPECT_EQ(counts, (std::vector<std::pair<int, int>>{{0, 0}}));

    // Thousands of items that add nothing end in one completion, the last one skipped.
    DragAndDropHelper::Documents skipped;
    for (int index = 0; index < 5000; ++index) {
        skipped.push_back(index % 2 ? item("public.movie", Bytes{1}) : item("com.adobe.pdf", std::nullopt));
    }
    ASSERT_TRUE(importer->addFiles(skipped, std::vector<std::string>(skipped.size(), "x.pdf"), std::nullopt));
    EXPECT_EQ(importDocuments(), 1);
    EXPECT_EQ(model->documentsNumber(), 0);
}

TEST_F(DragAndDropHelperTest, DroppedCardsBecomeRecipientsAndTheRefusedAreCounted)
{
    model->addSignerAtIndex(composer_testing::person("Kim", "Old", "kim@example.com"), 0);
    const Contact ann = contact("Ann", "Lee", "ann@example.com");
    EXPECT_EQ(DragAndDropHelper::signerInputForContact(ann).dump(),
              R"({"firstName":"Ann","lastName":"Lee","email":"ann@example.com","company":"Acme","title":"Clerk",)"
              R"("allowSignerChange":false,"authentication":{"type":"email"}})");
    EXPECT_FALSE(DragAndDropHelper::signerInputForContact(contact("Bo", "Ray", "")).contains("email"));

    ASSERT_TRUE(importer->addContacts({ann, contact("Bo", "Ray", "")}, {3, 4}));
    ASSERT_TRUE(importer->addContacts({contact("Kim", "Again", "kim@example.com")}, {5}));
    std::vector<std::pair<int, int>> counts;
    importer->startImportingContacts([&](int total, int added) { counts.emplace_back(total, added); });
    EXPECT_EQ(counts, (std::vector<std::pair<int, int>>{{3, 1}}));
    ASSERT_EQ(model->signersNumber(), 2);
    const auto added = model->dataForSignerWithIndex(1);
    EXPECT_EQ(added["email"], "ann@example.com");
    EXPECT_EQ(added["authentication"]["type"], "email");

    // Idle again: the next batch counts from zero.
    ASSERT_TRUE(importer->addContacts({contact("Cy", "Fox", "cy@example.com")}, {0}));
    importer->startImportingContacts([&](int total, int added) { counts.emplace_back(total, added); });
    EXPECT_EQ(counts.back(), (std::pair<int, int>{1, 1}));
}

} // namespace

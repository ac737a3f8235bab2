#include "ComposerTestSupport.h"

#include "foundation/RunLoop.h"
#include "graphics/Image.h"
#include "sdk/VTDocument.h"
#include "sdk/VTTransaction.h"
#include "store/ZKFileManager.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using composer_testing::ComposerTest;
using Bytes = std::vector<std::uint8_t>;

const Bytes kPdf = [] {
    const std::string text = "%PDF-1.4\n%%EOF\n";
    return Bytes(text.begin(), text.end());
}();

class DocumentTest : public ComposerTest {
protected:
    // Imports and waits for the completion (a conversion answers on the main run loop).
    std::optional<Dictionary> import(const std::string& name, const Bytes& data, int index = 100)
    {
        bool done = false;
        std::optional<Dictionary> result;
        model->addDocumentWithNameAtIndexDataAndSizeCompletion(name, index, data, {612, 792},
                                                               [&](const std::optional<Dictionary>& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(waitFor([&] { return done; }));
        return result;
    }

    std::string displayName(int index) const
    {
        return model->displayDataForDocumentWithIndex(index).value("displayName", std::string("<none>"));
    }

    static std::filesystem::path temporaryFolder()
    {
        return ZKFileManager::sharedInstance()->temporaryFolderPath();
    }
};

TEST_F(DocumentTest, DisplayNamesEndInLowerCasePdf)
{
    model->addDocument(Dictionary{{"displayName", "contract"}, {"path", "/tmp/a.pdf"}});
    model->addDocument(Dictionary{{"displayName", "terms.pdf"}, {"path", "/tmp/b.pdf"}});
    model->addDocument(Dictionary{{"displayName", "scan.PDF"}, {"path", "/tmp/c.pdf"}});
    EXPECT_EQ(displayName(0), "contract.pdf");
    EXPECT_EQ(displayName(1), "terms.pdf");
    EXPECT_EQ(displayName(2), "scan.PDF.pdf");
    EXPECT_EQ(model->displayDataForDocumentWithIndex(0)["path"], "/tmp/a.pdf");
    EXPECT_EQ(model->nameOfDocumentWithIndex(1), "terms.pdf");

    EXPECT_TRUE(model->displayDataForDocumentWithIndex(3).empty());
    EXPECT_TRUE(model->displayDataForDocumentWithIndex(-1).empty());
    EXPECT_FALSE(model->nameOfDocumentWithIndex(3));
    EXPECT_FALSE(model->dataForDocumentWithIndex(-1));
    EXPECT_EQ(delegate->messages, std::vector<std::string>(3, "documentsHaveBeenUpdated"));
}

TEST_F(DocumentTest, TheBuilderKeepsDocumentNamesUniqueAndRemovalsAreReported)
{
    model->addDocument(Dictionary{{"displayName", "a.pdf"}, {"path", "/tmp/a.pdf"}});
    model->addDocumentAtIndex(Dictionary{{"displayName", "a.pdf"}, {"path", "/tmp/b.pdf"}}, 0);
    EXPECT_EQ(model->nameOfDocumentWithIndex(0), "a(1).pdf");
    model->changePlaceOfDocumentWithIndexToIndex(0, 1);
    EXPECT_EQ(model->nameOfDocumentWithIndex(1), "a(1).pdf");
    delegate->messages.clear();
    model->removeDocumentWithIndex(0);
    EXPECT_EQ(model->documentsNumber(), 1);
    EXPECT_EQ(delegate->messages, (std::vector<std::string>{"documentsHaveBeenUpdated", "documentHaveBeenRemoved"}));
}

TEST_F(DocumentTest, PdfFilesOfTheSameNameAreStoredSideBySide)
{
    EXPECT_EQ(import("offer.pdf", kPdf), (Dictionary{{"status", true}}));
    EXPECT_EQ(import("offer.pdf", kPdf, -4), (Dictionary{{"status", true}}));
    ASSERT_EQ(model->documentsNumber(), 2);
    // The second went first (a negative index counts as 0) under a numbered file name.
    EXPECT_EQ(model->displayDataForDocumentWithIndex(0)["path"], (temporaryFolder() / "offer(1).pdf").string());
    EXPECT_EQ(model->displayDataForDocumentWithIndex(1)["path"], (temporaryFolder() / "offer.pdf").string());
    EXPECT_EQ(model->dataForDocumentWithIndex(1), kPdf);
}

TEST_F(DocumentTest, FolderPartsOfAFileNameAreDropped)
{
    import("../../escape.pdf", kPdf);
    import("nested/inner.pdf", kPdf);
    EXPECT_EQ(model->nameOfDocumentWithIndex(0), "escape.pdf");
    EXPECT_EQ(model->displayDataForDocumentWithIndex(0)["path"], (temporaryFolder() / "escape.pdf").string());
    EXPECT_EQ(model->displayDataForDocumentWithIndex(1)["path"], (temporaryFolder() / "inner.pdf").string());
    EXPECT_FALSE(std::filesystem::exists(temporaryFolder().parent_path().parent_path() / "escape.pdf"));
}

TEST_F(DocumentTest, OtherFilesAreConvertedAndLoseTheirExtension)
{
    platform::graphics::Image image(40, 30);
    EXPECT_EQ(import("photo.png", image.pngData()), (Dictionary{{"status", true}}));
    ASSERT_EQ(model->documentsNumber(), 1);
    EXPECT_EQ(model->nameOfDocumentWithIndex(0), "photo");
    EXPECT_EQ(displayName(0), "photo.pdf");
    const auto data = model->dataForDocumentWithIndex(0);
    ASSERT_TRUE(data && data->size() > 4);
    EXPECT_EQ(std::string(data->begin(), data->begin() + 4), "%PDF");
}

TEST_F(DocumentTest, AFileThatCannotBeConvertedAddsNothing)
{
    EXPECT_EQ(import("notes.xyz", kPdf), std::nullopt);
    EXPECT_EQ(import("broken.png", Bytes{1, 2, 3}), std::nullopt);
    EXPECT_EQ(model->documentsNumber(), 0);
    EXPECT_TRUE(delegate->messages.empty());
}

TEST_F(DocumentTest, APdfWithACapitalExtensionIsNamedLikeAConvertedFile)
{
    EXPECT_EQ(import("SCAN.PDF", kPdf), (Dictionary{{"status", true}}));
    EXPECT_EQ(model->nameOfDocumentWithIndex(0), "SCAN");
    EXPECT_EQ(displayName(0), "SCAN.pdf");
    EXPECT_EQ(model->dataForDocumentWithIndex(0), kPdf);
}

TEST_F(DocumentTest, AnEmptyCompletionIsSkipped)
{
    model->addDocumentWithNameAtIndexDataAndSizeCompletion("a.pdf", 0, kPdf, {}, nullptr);
    model->addPDFDocumentWithNameAndPathAtIndexCompletion("b.pdf", "/tmp/b.pdf", 0, nullptr);
    model->addDocumentWithNameAtIndexDataAndSizeCompletion("c.xyz", 0, kPdf, {}, nullptr);
    platform::RunLoop::main().runUntilIdle();
    EXPECT_EQ(model->documentsNumber(), 2);
}

} // namespace

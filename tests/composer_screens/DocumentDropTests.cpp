// Files dragged in from other applications and dropped on the document list: on a row,
// below the last row, or on the row around the inner table.
#include "DocumentListTestSupport.h"

#include "composer/screens/CreateTransactionDocumentDrop.h"
#include "dragdrop/TypeIdentifier.h"
#include "graphics/DocumentConverter.h"
#include "graphics/Image.h"
#include "sdk/screens/VTAlertView.h"
#include "sdk/screens/VTErrorAlertView.h"

namespace {

using composer_screens_testing::Bytes;
using composer_screens_testing::DocumentListTest;
using composer_screens_testing::droppedItem;
using composer_screens_testing::pdfBytes;
using composer_screens_testing::textBytes;
using platform::dragdrop::TypeIdentifier;
using Names = std::vector<std::string>;

class DocumentDropTest : public DocumentListTest {
protected:
    bool blockingMessageUp(const std::string& text = CreateTransactionDocumentDrop::blockingMessageKey) const
    {
        const auto alerts = VTAlertView::sharedInstance();
        return alerts->isShowingBlockingMessage() && alerts->blockingMessageView()->messageLabel()->text() == text;
    }
    std::vector<Bytes> documentBytes() const
    {
        std::vector<Bytes> bytes;
        for (int index = 0; index < model->documentsNumber(); ++index) {
            bytes.push_back(model->dataForDocumentWithIndex(index).value_or(Bytes{}));
        }
        return bytes;
    }
};

TEST_F(DocumentDropTest, FilesDroppedOnARowLandThereOneAfterAnotherInDropOrder)
{
    openDocuments(2, true, true);
    const Bytes one = pdfBytes(1);
    const Bytes two = pdfBytes(2);
    const Bytes three = pdfBytes(3);
    const auto outcome = drop({droppedItem(TypeIdentifier::pdf, one), droppedItem(TypeIdentifier::pdf, two),
                               droppedItem(TypeIdentifier::pdf, three)},
                              rowCenter(1));
    EXPECT_EQ(outcome.target, documentsTable());
    EXPECT_EQ(outcome.operation, platform::dragdrop::DropOperation::copy);
    EXPECT_TRUE(blockingMessageUp());

    waitForImport();
    EXPECT_EQ(documentNames(), (Names{"Document 0", "PDF document.pdf", "PDF document(1).pdf",
                                      "PDF document(2).pdf", "Document 1"}));
    const auto bytes = documentBytes();
    EXPECT_EQ(bytes[1], one);
    EXPECT_EQ(bytes[2], two);
    EXPECT_EQ(bytes[3], three);
    EXPECT_EQ(documentRow(4)->documentNameabel.lock()->text(), "Document 1.pdf");
}

TEST_F(DocumentDropTest, ADropBelowTheLastRowAddsAfterIt)
{
    openDocuments(1, true, true);
    ASSERT_GT(documentsTable()->bounds().height(), 65) << "a phone in portrait gives the list room for two rows";
    drop({droppedItem(TypeIdentifier::pdf, pdfBytes(1))}, belowLastRow());
    waitForImport();
    EXPECT_EQ(documentNames(), (Names{"Document 0", "PDF document.pdf"}));
}

TEST_F(DocumentDropTest, AnEmptyListTakesDropsWhereverTheyFallEvenWhenTheHostAddsNoDocuments)
{
    // The inner table runs edge to edge, so only an empty one lets a drop through to the row,
    // where each file goes to the top.
    openDocuments(0, false, false, false);
    const auto outcome = drop({droppedItem(TypeIdentifier::html, textBytes("<h1>Notice</h1>")),
                               droppedItem(TypeIdentifier::png, platform::graphics::Image(40, 30).pngData())},
                              rowCenter(0));
    EXPECT_EQ(outcome.target, list()) << "a table without rows lets the drop through to its row";
    waitForImport();
    EXPECT_EQ(documentNames(), (Names{"Photo", "HTML document"}));

    const auto onTheRow = drop({droppedItem(TypeIdentifier::rtf, textBytes("{\\rtf1 Annex}"))}, rowCenter(0));
    EXPECT_EQ(onTheRow.target, documentsTable());
    waitForImport();
    EXPECT_EQ(documentNames(), (Names{"Text document", "Photo", "HTML document"}));
    EXPECT_EQ(documentRow(0)->documentNameabel.lock()->text(), "Text document.pdf");
}

TEST_F(DocumentDropTest, UnreadableFilesAreLeftOutAndADropOfNothingReadableOnlyReloadsTheList)
{
    openDocuments(2, true, true);
    drop({droppedItem(TypeIdentifier::pdf, pdfBytes(1)), droppedItem("public.movie", Bytes{1, 2, 3})}, rowCenter(0));
    waitForImport();
    EXPECT_EQ(documentNames(), (Names{"PDF document.pdf", "Document 0", "Document 1"}));

    swipeOpen(0);
    settle();
    ASSERT_TRUE(documentRow(0)->backViewShowing);
    auto broken = std::make_shared<platform::dragdrop::ItemProvider>();
    broken->registerDataLoader(std::string(TypeIdentifier::pdf), [] { return std::optional<Bytes>(); });
    drop({{broken}}, rowCenter(1));
    EXPECT_TRUE(blockingMessageUp());
    waitForImport();
    EXPECT_EQ(model->documentsNumber(), 3);
    EXPECT_FALSE(documentRow(0)->backViewShowing) << "the list was reloaded, which closes every row";

    EXPECT_FALSE(drop({droppedItem("public.movie", Bytes{1})}, rowCenter(0)).performed);
    EXPECT_FALSE(VTAlertView::sharedInstance()->isShowingBlockingMessage());
}

TEST_F(DocumentDropTest, FilesThatCannotBeReadAreRefusedByNameAndTheRestOfTheDropIsAdded)
{
    openDocuments(1, true, true);
    const Bytes readable = pdfBytes(2);
    drop({droppedItem(TypeIdentifier::pdf, Bytes{}), droppedItem(TypeIdentifier::pdf, textBytes("Terms, as text.")),
          droppedItem(TypeIdentifier::pdf, textBytes("%PDF-1.7\n")), droppedItem(TypeIdentifier::png, textBytes("a note")),
          droppedItem(TypeIdentifier::utf8PlainText, Bytes{}), droppedItem(TypeIdentifier::png, Bytes{}),
          droppedItem(TypeIdentifier::pdf, readable)},
         rowCenter(0));
    waitForImport();
    EXPECT_EQ(documentNames(), (Names{"Document 0", "PDF document(3).pdf"}))
        << "named as if the refused files had been added, so that their names stay theirs";
    EXPECT_EQ(documentBytes()[1], readable);
    const auto alert = VTAlertView::sharedInstance()->errorAlertView();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->titleLabel()->text(), "Error");
    const auto refused = [](const std::string& name) {
        return "The file \"" + name + "\" cannot be read and was not added.";
    };
    EXPECT_EQ(alert->messageLabel()->text(),
              refused("PDF document.pdf") + "\n" + refused("PDF document(1).pdf") + "\n" +
                  refused("PDF document(2).pdf") + "\n" + refused("Photo.pdf") + "\n" + refused("Text document.pdf") +
                  "\n" + refused("Photo(1).pdf"));

    // A batch holding anything unsupported imports nothing.
    VTAlertView::sharedInstance()->showBlockingMessage(CreateTransactionDocumentDrop::blockingMessageKey);
    bool finished = false;
    CreateTransactionDocumentDrop::importItems(
        std::make_shared<DragAndDropHelper>(),
        {std::make_shared<DragAndDropDocument>(pdfBytes(1), std::string(TypeIdentifier::pdf)),
         std::make_shared<DragAndDropDocument>(Bytes{1}, std::string(TypeIdentifier::jpeg))},
        0, [&finished] { finished = true; });
    EXPECT_TRUE(finished);
    EXPECT_FALSE(VTAlertView::sharedInstance()->isShowingBlockingMessage());
    EXPECT_EQ(documentNames(), (Names{"Document 0", "PDF document(3).pdf"}));
}

TEST_F(DocumentDropTest, FilesTooLargeAreToldApartFromUnreadableOnesWithTheLimitTheyPass)
{
    openDocuments(1, true, true);
    drop({droppedItem(TypeIdentifier::utf8PlainText, Bytes(platform::graphics::DocumentConverter::maxTextBytes + 1, 'a')),
          droppedItem(TypeIdentifier::utf8PlainText, textBytes("Terms")),
          droppedItem(TypeIdentifier::gif, testing_support::sampleFile("huge-canvas.gif")),
          droppedItem(TypeIdentifier::pdf, Bytes{}), droppedItem(TypeIdentifier::pdf, pdfBytes(1))},
         rowCenter(0));
    waitForImport();
    EXPECT_EQ(documentNames(), (Names{"Document 0", "Text document(1)", "PDF document(1).pdf"}));
    const auto alert = VTAlertView::sharedInstance()->errorAlertView();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->messageLabel()->text(),
              "The file \"Text document.pdf\" is too large and was not added: it is larger than 2 MB.\n"
              "The file \"Photo.pdf\" is too large and was not added: it needs more than 50 megapixels.\n"
              "The file \"PDF document.pdf\" cannot be read and was not added.");
}

} // namespace

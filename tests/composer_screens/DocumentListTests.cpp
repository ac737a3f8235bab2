// The document list of the main page as a person uses it: drag handles, deleting by
// swipe and trash, previews, reordering by long press and drag.
#include "DocumentListTestSupport.h"

#include "composer/screens/CreateTransactionAddDocumentCell.h"
#include "composer/screens/CreateTransactionDocumentHeaderCell.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "dragdrop/DocumentPreviewController.h"
#include "foundation/RunLoop.h"
#include "ui/LongPressGestureRecognizer.h"
#include "ui/Screen.h"

namespace {

using composer_screens_testing::DocumentListTest;
using platform::ui::TouchInjector;
using Names = std::vector<std::string>;
using Row = CreateTransactionPageRowHeights::Row;

constexpr const char* started = CreateTransactionNotifications::documentDraggingStarted;
constexpr const char* ended = CreateTransactionNotifications::documentDraggingEnded;

class DocumentListPageTest : public DocumentListTest {
protected:
    std::vector<bool> handlesShown() const
    {
        std::vector<bool> shown;
        for (int index = 0; index < shownRows(); ++index) {
            const auto handle = documentRow(index)->dragLabel.lock();
            shown.push_back(!handle->isHidden() && handle->alpha() == 1.0);
        }
        return shown;
    }
    bool hasReorderPress() const
    {
        const auto& recognizers = documentsTable()->gestureRecognizers();
        return std::any_of(recognizers.begin(), recognizers.end(), [](const auto& recognizer) {
            return dynamic_cast<const platform::ui::LongPressGestureRecognizer*>(recognizer.get()) != nullptr;
        });
    }
};

TEST_F(DocumentListPageTest, DragHandlesShowForTwoDocumentsOrMoreAndSwipesOpenRowsOnlyAsTheHostAllows)
{
    openDocuments(1, true, true);
    EXPECT_EQ(handlesShown(), std::vector<bool>{false});

    openDocuments(3, false, false);
    EXPECT_EQ(handlesShown(), (std::vector<bool>{false, false, false}));
    EXPECT_FALSE(hasReorderPress());
    fingers->longPressAndDrag(rowCenter(0), {rowCenter(2)});
    EXPECT_EQ(documentNames(), (Names{"Document 0", "Document 1", "Document 2"}));
    EXPECT_TRUE(dragNotifications.empty());
    swipeOpen(0);
    settle();
    EXPECT_FALSE(documentRow(0)->backViewShowing) << "without deleting allowed a swipe uncovers nothing";
    EXPECT_EQ(documentRow(0)->frontView.lock()->frame().minX(), 0);

    openDocuments(3, true, true);
    EXPECT_EQ(handlesShown(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(hasReorderPress());
}

TEST_F(DocumentListPageTest, TwoQuickDeletionsRemoveExactlyThoseDocumentsInTapOrder)
{
    openDocuments(4, true, true);
    swipeOpen(1);
    swipeOpen(3);
    TouchInjector::wait(0.2);
    tapTrash(1);
    const double firstTap = platform::RunLoop::main().now();
    EXPECT_EQ(shownRows(), 3);
    EXPECT_EQ(list()->numberOfRowsToBeDeleted(), 1);
    tapTrash(2);
    ASSERT_LT(platform::RunLoop::main().now() - firstTap, CreateTransactionDocumentListCell::deletionDelay);
    EXPECT_EQ(shownRows(), 2);
    EXPECT_EQ(model->documentsNumber(), 4) << "the model lets go only after a quarter second";

    TouchInjector::wait(CreateTransactionDocumentListCell::deletionDelay - (platform::RunLoop::main().now() - firstTap));
    EXPECT_EQ(documentNames(), (Names{"Document 0", "Document 2", "Document 3"}));
    EXPECT_EQ(shownRows(), 2);

    settle();
    EXPECT_EQ(documentNames(), (Names{"Document 0", "Document 2"}));
    EXPECT_EQ(documentRow(1)->documentNameabel.lock()->text(), "Document 2.pdf");
    EXPECT_EQ(heightOfRow(Row::documentList), 130);
}

TEST_F(DocumentListPageTest, ADocumentOnItsWayOutIsNeitherShownNorTappedAndLeavesWhateverTheModelDidMeanwhileThenTapsPreview)
{
    openDocuments(3, true, true);
    const auto shownNames = [this] {
        Names names;
        for (int row = 0; row < shownRows(); ++row) {
            names.push_back(documentRow(row)->documentNameabel.lock()->text().value_or(""));
        }
        return names;
    };
    swipeOpen(0);
    TouchInjector::wait(0.2);
    tapTrash(0);
    fingers->tap(*documentRow(0)->cellSelectionButton.lock());
    EXPECT_EQ(page()->presentedViewController(), nullptr) << "no preview while the places are about to shift";

    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    window->layoutIfNeeded();
    EXPECT_EQ(shownNames(), (Names{"Document 1.pdf", "Document 2.pdf"}));

    // Another change of the model inside the window: the deleted document still leaves.
    model->addDocumentAtIndex(Dictionary{{"displayName", "Late"}, {"path", writePdf("Late.pdf")}}, 0);
    EXPECT_EQ(shownNames(), (Names{"Late.pdf", "Document 1.pdf", "Document 2.pdf"}));
    settle();
    EXPECT_EQ(documentNames(), (Names{"Late", "Document 1", "Document 2"}));
    EXPECT_EQ(shownNames(), (Names{"Late.pdf", "Document 1.pdf", "Document 2.pdf"}));

    tapAndSettle(*documentRow(1)->cellSelectionButton.lock());
    const auto preview =
        std::dynamic_pointer_cast<platform::dragdrop::DocumentPreviewController>(page()->presentedViewController());
    ASSERT_NE(preview, nullptr) << "once they have left, taps preview again";
    tapAndSettle(*preview->doneButton());

    documentRow(0)->filePath.reset();
    tapAndSettle(*documentRow(0)->cellSelectionButton.lock());
    EXPECT_EQ(page()->presentedViewController(), nullptr) << "a row that knows no file previews nothing";
}

TEST_F(DocumentListPageTest, TheModelFollowsADragPlaceByPlaceAndTheHostHearsItsStartAndEnd)
{
    openDocuments(4, true, true);
    const auto touch = fingers->touchDown(rowCenter(0));
    TouchInjector::wait(0.6);
    EXPECT_EQ(dragNotifications, std::vector<std::string>{started});
    const std::vector<Names> steps{{"Document 1", "Document 0", "Document 2", "Document 3"},
                                   {"Document 1", "Document 2", "Document 0", "Document 3"},
                                   {"Document 1", "Document 2", "Document 3", "Document 0"}};
    for (int place = 1; place <= 3; ++place) {
        fingers->touchMove(touch, rowCenter(place));
        EXPECT_EQ(documentNames(), steps[place - 1]) << "after a move over " << place << " places";
    }
    fingers->touchUp(touch);
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(dragNotifications, (std::vector<std::string>{started, ended}));
    EXPECT_EQ(documentRow(3)->documentNameabel.lock()->text(), "Document 0.pdf");

    // A jump over three places in one step is one move, landing where three would.
    const auto jump = fingers->touchDown(rowCenter(3));
    TouchInjector::wait(0.6);
    fingers->touchMove(jump, rowCenter(0));
    EXPECT_EQ(documentNames(), (Names{"Document 0", "Document 1", "Document 2", "Document 3"}));
    fingers->touchUp(jump);
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(dragNotifications.size(), 4u);

    // The table refuses a drag only on a locked row, which the list never names; what the
    // host hears then is the end alone.
    dragNotifications.clear();
    list()->tableViewCellDraggingCanceledWithLocked(true);
    EXPECT_EQ(dragNotifications, std::vector<std::string>{ended});
}

TEST_F(DocumentListPageTest, AHostThatAddsNoDocumentsGetsTheHeadingInPlaceOfTheAddRow)
{
    openDocuments(1, true, true, false);
    const auto heading = std::dynamic_pointer_cast<CreateTransactionDocumentHeaderCell>(row(Row::documentsHeader));
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(isShown(*heading->documentsLabelIphone.lock()));
    EXPECT_FALSE(isShown(*heading->documentsLabelIpad.lock()));
    EXPECT_EQ(heading->documentsLabelIphone.lock()->text(), "Documents");
}

// Documents that could not be added leave the list's room empty: it says so, as the
// recipient list does, until a document arrives and again once the last one is deleted.
TEST_F(DocumentListPageTest, AnEmptyListSaysSoInTheRoomKeptForItsRows)
{
    openDocuments(0, true, true, false);
    EXPECT_EQ(shownTexts(*list()), std::vector<std::string>{"No documents yet"});
    const auto recipients = row(Row::recipientList);
    EXPECT_EQ(shownTexts(*recipients), std::vector<std::string>{"No recipients yet"});

    host->documentToAdd = {{writePdf("Plan.pdf"), std::string("Plan")}};
    openDocuments(0, true, true, true);
    EXPECT_EQ(shownTexts(*list()), std::vector<std::string>{"No documents yet"});
    tapAndSettle(*std::dynamic_pointer_cast<CreateTransactionAddDocumentCell>(row(Row::documentsHeader))
                      ->addDocumentsButton.lock());
    EXPECT_EQ(shownTexts(*list()), std::vector<std::string>{"Plan.pdf"});
    swipeOpen(0);
    settle();
    tapTrash(0);
    settle();
    EXPECT_EQ(model->documentsNumber(), 0);
    EXPECT_EQ(shownTexts(*list()), std::vector<std::string>{"No documents yet"});
}

// A change to the recipients redraws the recipient list alone: a document row the sender
// swiped open stays open, and the list still grows to hold the new recipient.
TEST_F(DocumentListPageTest, ARecipientJoiningLeavesTheDocumentRowsAsTheyAre)
{
    openDocuments(2, true, true);
    swipeOpen(1);
    settle();
    ASSERT_TRUE(documentRow(1)->backViewShowing);
    const double listHeight = heightOfRow(Row::recipientList);

    model->addSignerAtIndex(Dictionary{{"firstName", "Ann"}, {"lastName", "Lee"}, {"email", "ann@example.com"}}, 0);
    model->addSignerAtIndex(Dictionary{{"firstName", "Bo"}, {"lastName", "Ray"}, {"email", "bo@example.com"}}, 0);
    model->addSignerAtIndex(Dictionary{{"firstName", "Cy"}, {"lastName", "Fox"}, {"email", "cy@example.com"}}, 0);
    settle();
    EXPECT_TRUE(documentRow(1)->backViewShowing);
    EXPECT_GT(heightOfRow(Row::recipientList), listHeight);
}

TEST_F(DocumentListPageTest, OnANotchedPhoneOnItsSideDocumentRowsFillTheWidthAndKeepTheirContentInTheSafeArea)
{
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phoneWithNotch);
    rotate(platform::ui::InterfaceOrientation::landscapeLeft);
    openDocuments(2, true, true);
    const auto document = documentRow(0);
    const auto inWindow = [](const platform::ui::View& view) { return view.convertRectTo(view.bounds(), nullptr); };
    EXPECT_EQ(inWindow(*document).minX(), 0);
    EXPECT_EQ(inWindow(*document).width(), 812);
    const auto handle = inWindow(*document->dragLabel.lock());
    EXPECT_GE(handle.minX(), 44);
    EXPECT_LE(handle.maxX(), 812 - 44);
}

} // namespace

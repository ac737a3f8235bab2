// Removing recipients through the trash button of a swiped row, and opening one by a tap.
#include "RecipientListTest.h"

#include "composer/screens/CreateTransactionAddRecipientCell.h"
#include "foundation/RunLoop.h"
#include "signers/screens/AddSignerViewController.h"
#include "ui/NavigationController.h"

namespace {

using composer_screens_testing::RecipientListTest;
using platform::RunLoop;
using Names = std::vector<std::string>;

class RecipientListRemovalTest : public RecipientListTest {
protected:
    std::shared_ptr<AddSignerViewController> openedRecipientPage() const
    {
        const auto opened =
            std::dynamic_pointer_cast<platform::ui::NavigationController>(page()->presentedViewController());
        return opened ? std::dynamic_pointer_cast<AddSignerViewController>(opened->topViewController()) : nullptr;
    }
    // What a person sees: never more rows than the model holds minus those on their way out.
    void expectRowsFollowTheModel() const
    {
        EXPECT_EQ(inner()->numberOfRows(0), model->signersNumber() - list()->numberOfDeletedSigners());
    }
};

TEST_F(RecipientListRemovalTest, TwoQuickTrashTapsRemoveBothRecipientsInTheOrderOfTheTaps)
{
    openWithRecipients({"Ann", "Bob", "Cid"});
    swipeOpen(0);
    swipeOpen(2);
    ASSERT_TRUE(recipient(0)->backMenuShowing);
    ASSERT_TRUE(recipient(2)->backMenuShowing);
    ASSERT_FALSE(recipient(1)->backMenuShowing);

    tap(*recipient(0)->trashButton.lock());
    EXPECT_EQ(rowTexts(), (Names{"2 Bob", "3 Cid"})) << "renumbered at the next reload only";
    EXPECT_EQ(model->signersNumber(), 3) << "the model lets go a quarter second later";
    expectRowsFollowTheModel();

    RunLoop::main().advance(0.1);
    tap(*recipient(1)->trashButton.lock());
    EXPECT_EQ(list()->numberOfDeletedSigners(), 2);
    expectRowsFollowTheModel();

    RunLoop::main().advance(0.15);
    EXPECT_EQ(modelNames(), (Names{"Bob", "Cid"}));
    window->layoutIfNeeded();
    expectRowsFollowTheModel();
    EXPECT_EQ(rowTexts(), Names{"1 Bob"}) << "the page's reload does not bring Cid back";

    RunLoop::main().advance(0.1);
    EXPECT_EQ(modelNames(), Names{"Bob"});
    EXPECT_EQ(list()->numberOfDeletedSigners(), 0);
    settle();
    EXPECT_EQ(rowTexts(), Names{"1 Bob"});
    EXPECT_EQ(heightOfRow(Row::recipientList), 130);
}

TEST_F(RecipientListRemovalTest, RotatingDuringARemovalShowsTheRecipientsThatStayAndATapOpensNothingUntilItEnds)
{
    openWithRecipients({"Ann", "Bob", "Cid"});
    swipeOpen(1);
    tap(*recipient(1)->trashButton.lock());
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    window->layoutIfNeeded();
    EXPECT_EQ(rowTexts(), (Names{"1 Ann", "2 Cid"}));
    tap(*recipient(1)->cellButton.lock());
    EXPECT_EQ(page()->presentedViewController(), nullptr) << "no recipient opens while a removal is underway";

    RunLoop::main().advance(0.3);
    EXPECT_EQ(modelNames(), (Names{"Ann", "Cid"}));
    settle();
    EXPECT_EQ(rowTexts(), (Names{"1 Ann", "2 Cid"}));
    tapAndSettle(*recipient(1)->cellButton.lock());
    ASSERT_NE(openedRecipientPage(), nullptr);
    EXPECT_EQ(openedRecipientPage()->signerIndex(), 1);
}

TEST_F(RecipientListRemovalTest, AReleaseWithoutMovingTurnsOrderedSigningOnAndRemovingDownToOneTurnsItOff)
{
    openWithRecipients({"Ann", "Bob"});
    fingers->longPress(centerOf(1));
    settle();
    ASSERT_TRUE(model->orderedSigning());
    EXPECT_TRUE(std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(row(Row::addRecipient))
                    ->orderedSigningSwitch.lock()
                    ->isOn());
    EXPECT_EQ(modelNames(), (Names{"Ann", "Bob"}));
    EXPECT_EQ(rowTexts(), (Names{"1 Ann", "2 Bob"}));
    swipeOpen(1);
    tapAndSettle(*recipient(1)->trashButton.lock());
    EXPECT_EQ(modelNames(), Names{"Ann"});
    EXPECT_FALSE(model->orderedSigning());
    EXPECT_LT(recipient(0)->signerIndexLabel.lock()->frame().minX(), 0);
}

TEST_F(RecipientListRemovalTest, ATapOnAnOpenRowClosesItAndTheNextTapOpensTheRecipient)
{
    openWithRecipients({"Ann", "Bob"});
    swipeOpen(1);
    tapAndSettle(*recipient(1)->cellButton.lock());
    EXPECT_FALSE(recipient(1)->backMenuShowing);
    EXPECT_EQ(recipient(1)->frontView.lock()->frame().minX(), 0);
    EXPECT_EQ(page()->presentedViewController(), nullptr);

    tapAndSettle(*recipient(1)->cellButton.lock());
    const auto opened = openedRecipientPage();
    ASSERT_NE(opened, nullptr) << "the list asks the page for \"fromCreateTransactionPageToAddSignerPage\"";
    EXPECT_EQ(opened->signerIndex(), 1);
    EXPECT_EQ(page()->selectedSignerIndex, 1);
}

} // namespace

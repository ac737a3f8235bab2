// Reordering recipients by hand: press and hold a row, move the finger, lift it.
#include "RecipientListTest.h"

#include "composer/screens/CreateTransactionAddRecipientCell.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "foundation/RunLoop.h"
#include "ui/TouchInjector.h"

namespace {

using composer_screens_testing::RecipientListTest;
using platform::ui::TouchInjector;
using Names = std::vector<std::string>;

class RecipientListReorderTest : public RecipientListTest {
protected:
    void SetUp() override
    {
        RecipientListTest::SetUp();
        platform::NotificationCenter::defaultCenter().addObserver(
            CreateTransactionNotifications::orderedSigningTurnedOn,
            [this](const platform::Notification&) { ++orderedSigningNotices; });
    }

    bool switchIsOn() const
    {
        const auto cell = std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(row(Row::addRecipient));
        return cell->orderedSigningSwitch.lock()->isOn();
    }
    double numberLeft(int row) const { return recipient(row)->signerIndexLabel.lock()->frame().minX(); }

    int orderedSigningNotices = 0;
};

TEST_F(RecipientListReorderTest, ADragTurnsOrderedSigningOnAndTheRowsAreRenumberedAfterTheFinish)
{
    openWithRecipients({"Ann", "Bob", "Cid"});
    ASSERT_EQ(rowTexts(), (Names{"1 Ann", "2 Bob", "3 Cid"}));
    ASSERT_LT(numberLeft(0), 0);
    // Held, then dragged up one row at a time past Bob and Ann.
    const auto touch = fingers->touchDown(centerOf(2));
    TouchInjector::wait(0.6);
    EXPECT_TRUE(model->orderedSigning()) << "on as soon as the drag starts";
    EXPECT_TRUE(switchIsOn());
    const double rowStep = CreateTransactionRecipientListCell::rowHeight;
    fingers->touchMove(touch, {centerOf(1).x, centerOf(2).y - rowStep / 2 - 5});
    fingers->touchMove(touch, {centerOf(1).x, centerOf(2).y - rowStep});
    EXPECT_EQ(modelNames(), (Names{"Ann", "Cid", "Bob"})) << "the model moves with each row passed";
    fingers->touchMove(touch, {centerOf(1).x, centerOf(2).y - 2 * rowStep});
    EXPECT_EQ(modelNames(), (Names{"Cid", "Ann", "Bob"}));
    fingers->touchUp(touch);
    settle();

    EXPECT_EQ(rowTexts(), (Names{"1 Cid", "2 Ann", "3 Bob"}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(isShown(*recipient(row))) << "row " << row;
        EXPECT_EQ(numberLeft(row), CreateTransactionRecipientCell::signerIndexLeadingOnPhone) << "row " << row;
        EXPECT_TRUE(isShown(*recipient(row)->dragButton.lock()));
    }
    EXPECT_EQ(orderedSigningNotices, 1);

    const auto addRow = std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(row(Row::addRecipient));
    tapAndSettle(*addRow->orderedSigningSwitch.lock());
    EXPECT_FALSE(model->orderedSigning());
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(numberLeft(row), -CreateTransactionRecipientCell::signerIndexLabelWidth) << "the switch slides it out";
        EXPECT_EQ(recipient(row)->dragButton.lock()->frame().minX(), recipient(row)->frontView.lock()->bounds().width());
    }
}

// A recipient alone has no order to set.
TEST_F(RecipientListReorderTest, ADragInAListOfOneChangesNothing)
{
    openWithRecipients({"Ann"});
    const auto start = centerOf(0);
    fingers->longPressAndDrag(start, {{start.x, start.y + 30}, {start.x, start.y - 10}});
    settle();
    EXPECT_FALSE(model->orderedSigning());
    EXPECT_EQ(orderedSigningNotices, 0);
    EXPECT_LT(numberLeft(0), 0) << "the number stays out of sight";
}

} // namespace

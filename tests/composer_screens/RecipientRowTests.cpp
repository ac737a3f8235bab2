// What a recipient row shows of its recipient, and how its back menu opens and closes.
#include "RecipientListTest.h"

#include "composer/RecipientDomains.h"
#include "composer/screens/CreateTransactionGroupCell.h"
#include "foundation/RunLoop.h"
#include "support/ZKColor.h"
#include "ui/TableView.h"

namespace {

using composer_screens_testing::RecipientListTest;
using platform::RunLoop;
using platform::ui::SwipeDirection;

class RecipientRowTest : public RecipientListTest {
protected:
    std::string glyphOf(int row) const { return recipient(row)->signerIconLabel.lock()->text().value_or(""); }
    double frontLeft(int row) const { return recipient(row)->frontView.lock()->frame().minX(); }

    // A row made as a table makes it (set up once), put straight into the window.
    template <class Cell>
    std::shared_ptr<Cell> rowInWindow(double top, double height)
    {
        platform::ui::TableView table;
        table.registerCell(Cell::cellIdentifier, [] { return std::make_shared<Cell>(); });
        const auto cell = std::dynamic_pointer_cast<Cell>(table.dequeueReusableCell(Cell::cellIdentifier));
        cell->setFrame(platform::graphics::makeRect(0, top, window->bounds().width(), height));
        window->addSubview(cell);
        return cell;
    }
};

TEST_F(RecipientRowTest, TheGlyphTellsTheSenderFromOthersByExactEmailAndMarksPlaceholders)
{
    openWithRecipients({"Ann"});
    for (const auto& email : {"Sam@Example.com", "sam@example.com"}) {
        model->addSignerAtIndex(Dictionary{{"firstName", "Sam"}, {"lastName", "Sender"}, {"email", email}}, 0);
    }
    model->addSignerAtIndex(Dictionary{{"firstName", "To"},
                                       {"lastName", "Come"},
                                       {"email", std::string("placeholder1") + RecipientDomains::kPlaceholderDomain}},
                            0);
    settle();
    std::map<std::string, std::shared_ptr<CreateTransactionRecipientCell>> byEmail;
    for (int row = 0; row < model->signersNumber(); ++row) {
        byEmail[model->dataForSignerWithIndex(row).value("email", "")] = recipient(row);
    }
    ASSERT_EQ(byEmail.size(), 4u);
    EXPECT_EQ(byEmail["ann@example.com"]->signerIconLabel.lock()->text(), "p");
    EXPECT_EQ(byEmail["Sam@Example.com"]->signerIconLabel.lock()->text(), "p") << "another letter case is another person";
    EXPECT_EQ(byEmail["sam@example.com"]->signerIconLabel.lock()->text(), "v");
    const auto placeholder = byEmail[std::string("placeholder1") + RecipientDomains::kPlaceholderDomain];
    EXPECT_EQ(placeholder->signerIconLabel.lock()->text(), "5");
    EXPECT_EQ(placeholder->emailLabel.lock()->text(), "* Enter recipient information");
    EXPECT_EQ(placeholder->emailLabel.lock()->textColor(), ZKColor::error());
    EXPECT_EQ(byEmail["ann@example.com"]->emailLabel.lock()->textColor(), ZKColor::textLight());
}

TEST_F(RecipientRowTest, ARowReadsTheNameTrimmedAndTheEmailElseTheCompanyElseNothing)
{
    CreateTransactionRecipientCell cell;
    cell.fillWithSignerRow(Dictionary{{"displayName", "Ann "}, {"emailDisplay", "ann@example.com"},
                                      {"company", "Acme"}, {"group", false}},
                           4);
    EXPECT_EQ(cell.signerIndexLabel.lock()->text(), "5");
    EXPECT_EQ(cell.fullNameLabel.lock()->text(), "Ann");
    EXPECT_EQ(cell.emailLabel.lock()->text(), "ann@example.com");

    cell.fillWithSignerRow(Dictionary{{"displayName", "\tBo Lind"}, {"company", "Acme"}}, 0);
    EXPECT_EQ(cell.fullNameLabel.lock()->text(), "Bo Lind");
    EXPECT_EQ(cell.emailLabel.lock()->text(), "Acme");

    cell.fillWithSignerRow(Dictionary{{"placeholder", false}}, 1);
    EXPECT_EQ(cell.fullNameLabel.lock()->text(), "");
    EXPECT_EQ(cell.emailLabel.lock()->displayedText(), "");
    EXPECT_EQ(cell.signerIconLabel.lock()->text(), "p");

    cell.fillWithSignerRow(Dictionary{{"displayName", "Sales "}, {"emailDisplay", "Sales team"}, {"group", true}}, 2);
    EXPECT_EQ(cell.signerIconLabel.lock()->text(), ">");
    EXPECT_EQ(cell.emailLabel.lock()->text(), "Sales team");
}

TEST_F(RecipientRowTest, SwipesOpenAndCloseTheBackMenuOnceTheFrontLayerHasArrived)
{
    openWithRecipients({"Ann", "Bob"});
    fingers->swipe(centerOf(0), SwipeDirection::right);
    RunLoop::main().advance(0.3);
    EXPECT_FALSE(recipient(0)->backMenuShowing) << "a closed row stays closed";
    EXPECT_EQ(frontLeft(0), 0);

    fingers->swipe(centerOf(0), SwipeDirection::left);
    EXPECT_EQ(frontLeft(0), -CreateTransactionRecipientCell::trashButtonWidth);
    EXPECT_FALSE(recipient(0)->backMenuShowing);
    RunLoop::main().advance(CreateTransactionRecipientCell::animationDuration);
    EXPECT_TRUE(recipient(0)->backMenuShowing);
    EXPECT_TRUE(isShown(*recipient(0)->trashButton.lock()));
    EXPECT_EQ(frontLeft(1), 0) << "only the swiped row opens";

    fingers->swipe(centerOf(0), SwipeDirection::up);
    RunLoop::main().advance(0.3);
    EXPECT_TRUE(recipient(0)->backMenuShowing);
    fingers->swipe(centerOf(0), SwipeDirection::right);
    RunLoop::main().advance(0.3);
    EXPECT_FALSE(recipient(0)->backMenuShowing);
    EXPECT_EQ(frontLeft(0), 0);
}

TEST_F(RecipientRowTest, TheRowUsesTheTabletsConstraintsOnATablet)
{
    makeHost(platform::ui::DeviceProfile::tablet);
    openWithRecipients({"Ann", "Bob"});
    const auto row = recipient(0);
    const double width = row->frontView.lock()->bounds().width();
    EXPECT_EQ(row->dragButton.lock()->frame().minX(), width) << "ordered signing is off";
    row->updateCellForOrderedSigning(true, false);
    EXPECT_EQ(row->signerIndexLabel.lock()->frame().minX(), CreateTransactionRecipientCell::signerIndexLeadingOnTablet);
    EXPECT_EQ(row->dragButton.lock()->frame().maxX(), width - CreateTransactionRecipientCell::dragButtonTrailingOnTablet);
    row->showBackMenu(false);
    EXPECT_EQ(frontLeft(0), -CreateTransactionRecipientCell::trashButtonWidth);
    EXPECT_EQ(row->frontViewCenterXConstraintPortrait.lock()->constant(), -70) << "every set is kept in step";
    EXPECT_EQ(row->frontViewCenterXConstraintLandscape.lock()->constant(), -70);
}

// A row on its own, as another screen may show it: rotating keeps its back menu as it is.
TEST_F(RecipientRowTest, RotatingKeepsAnOpenRowOpenAndAClosedRowClosed)
{
    const auto open = rowInWindow<CreateTransactionRecipientCell>(0, 65);
    const auto closed = rowInWindow<CreateTransactionRecipientCell>(65, 65);
    open->showBackMenu(false);
    rotate(platform::ui::InterfaceOrientation::landscapeLeft);
    EXPECT_TRUE(open->backMenuShowing);
    EXPECT_EQ(open->frontView.lock()->frame().minX(), -70);
    EXPECT_FALSE(closed->backMenuShowing);
    EXPECT_EQ(closed->frontView.lock()->frame().minX(), 0);
}

class RecordingGroupPicker : public CreateTransactionGroupCellDelegate {
public:
    void createTransactionGroupCell_userDidTapCell(CreateTransactionGroupCell& cell) override { tapped.push_back(&cell); }
    std::vector<CreateTransactionGroupCell*> tapped;
};

TEST_F(RecipientRowTest, AGroupRowTellsThePickerOfATapAnywhereOnIt)
{
    const auto cell = rowInWindow<CreateTransactionGroupCell>(100, 60);
    cell->groupNameLabel.lock()->setText("Sales");
    tap(*cell->groupNameLabel.lock());

    const auto picker = std::make_shared<RecordingGroupPicker>();
    cell->setDelegate(picker);
    tap(*cell->groupEmailLabel.lock());
    tap(*cell->checkmarkLabel.lock());
    EXPECT_EQ(picker->tapped, (std::vector<CreateTransactionGroupCell*>{cell.get(), cell.get()}));
}

} // namespace

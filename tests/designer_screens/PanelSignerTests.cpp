#include "PanelTest.h"

#include "ceremony/CeremonyFlow.h"
#include "ceremony/SigningFlowRoleUpdate.h"
#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "designer/screens/ZKCurrentSignerTableViewCell.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "designer/screens/ZKSignerTableViewCell.h"
#include "foundation/NotificationCenter.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "ui/Screen.h"

#include <algorithm>

using panel_testing::PanelTest;
using Panel = ZKPrepareFormFieldViewController;

namespace {

class SignerOnlyPanelTest : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        transaction->setDraft(false);
    }

    bool isOffScreen() const { return bodyX() + 257 <= 0 && tabX() + 35 <= 0; }
};

std::size_t linesContaining(const std::vector<std::string>& lines, const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&text](const auto& line) { return line.find(text) != std::string::npos; }));
}

} // namespace

TEST_F(PanelTest, RowZeroShowsTheSignerAndOpensTheOthersBelowItOfWhichOnePickedBecomesCurrent)
{
    showHub();
    const auto row = currentSignerRow();
    EXPECT_EQ(row->signerNameLabel.lock()->text(), "First0 Last0");
    EXPECT_EQ(row->signerInitialsLabel.lock()->text(), "FL");
    EXPECT_EQ(row->contentView()->backgroundColor(), transaction->participants()[0]->editColor());
    EXPECT_FALSE(row->arrowIcon.lock()->isHidden());
    EXPECT_EQ(rowHeight(1), 0);

    // Minimised, opening the list maximises the panel first.
    tapCurrentSigner();
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::maximized);
    EXPECT_EQ(panel()->tableType(), Panel::signersOpen);
    EXPECT_EQ(rowHeight(1), 2 * 45 + 2);
    EXPECT_EQ(row->arrowIcon.lock()->text(), ZKCurrentSignerTableViewCell::closeArrow);
    EXPECT_EQ(signerRow(0)->signerNameLabel.lock()->text(), "First1 Last1");
    EXPECT_EQ(signerRow(1)->signerCredentials.lock()->text(), "FL");

    tapCurrentSigner();
    settle();
    EXPECT_EQ(panel()->tableType(), Panel::signersClosed);
    EXPECT_EQ(rowHeight(1), 0);
    EXPECT_EQ(row->arrowIcon.lock()->text(), ZKCurrentSignerTableViewCell::openArrow);

    // Picking a signer in a draft makes it current and the viewer follows.
    tapCurrentSigner();
    settle();
    tapSigner(1);
    settle();
    EXPECT_EQ(panel()->currentSigner1(), transaction->participants()[2]);
    EXPECT_EQ(hub()->currentSignerIndex(), 2);
    EXPECT_EQ(currentSignerRow()->signerNameLabel.lock()->text(), "First2 Last2");
    EXPECT_EQ(panel()->tableType(), Panel::signersClosed);
    EXPECT_EQ(CeremonyFlow::sharedInstance()->steps().size(), 0u);

    // The list, opened again, offers the others.
    tapCurrentSigner();
    settle();
    EXPECT_EQ(signerRow(0)->signerNameLabel.lock()->text(), "First0 Last0");
    EXPECT_EQ(signerRow(1)->signerNameLabel.lock()->text(), "First1 Last1");
}

TEST_F(PanelTest, ASignerIndexOutOfRangeChangesNothingAndASignerNoLongerAmongTheParticipantsSelectsTheFirst)
{
    showHub();
    panel()->setCurrentSignerIndex(3);
    panel()->setCurrentSignerIndex(-1);
    EXPECT_EQ(panel()->currentSigner1(), transaction->participants()[0]);
    EXPECT_FALSE(panel()->switchToParticipantAtIndexEnableFormFields(3, true));
    EXPECT_FALSE(panel()->shouldEnableNonPrimaryFormFields());

    panel()->setCurrentSignerIndex(1);
    EXPECT_EQ(currentSignerRow()->signerNameLabel.lock()->text(), "First1 Last1");
    EXPECT_TRUE(panel()->switchToParticipantAtIndexEnableFormFields(2, true));
    EXPECT_EQ(panel()->currentSigner1(), transaction->participants()[2]);
    EXPECT_EQ(hub()->currentSignerIndex(), 2);
    EXPECT_TRUE(panel()->shouldEnableNonPrimaryFormFields());

    tapCurrentSigner();
    settle();
    auto replaced = transaction->participants();
    std::swap(replaced[0], replaced[1]);
    replaced.pop_back();
    // The hub hands over a list without the signer the open row still shows.
    panel()->setParticipants(replaced);
    tapSigner(1);
    settle();
    EXPECT_EQ(panel()->currentSigner1(), replaced[0]);
    EXPECT_EQ(hub()->currentSignerIndex(), 0);
}

TEST_F(SignerOnlyPanelTest, APanelOfOneRoleNeverComesOnScreen)
{
    transaction->removeParticipant(transaction->participants()[2]);
    transaction->removeParticipant(transaction->participants()[1]);
    showHub();
    EXPECT_TRUE(panel()->panelDisabled());
    EXPECT_TRUE(isOffScreen());
    EXPECT_EQ(panel()->signatureFieldsLabel.lock()->text(), "Signers");
    EXPECT_EQ(rowHeight(2), 0);

    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    EXPECT_TRUE(isOffScreen());
    fingers->edgePan(200, 150);
    settle();
    EXPECT_TRUE(isOffScreen());
}

TEST_F(SignerOnlyPanelTest, APanelOfSeveralRolesShowsOnlyItsTabUntilRevealed)
{
    showHub();
    EXPECT_FALSE(panel()->panelDisabled());
    EXPECT_LE(bodyX() + 257, 0);
    EXPECT_EQ(tabX(), 0);
    EXPECT_EQ(panel()->tableSizeState(), Panel::hidden);

    // Revealed, the list of roles opens with it and stays open.
    fingers->tap(*panel()->tableRevealView.lock());
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);
    EXPECT_EQ(panel()->tableType(), Panel::signersOpen);
    EXPECT_EQ(rowHeight(1), 2 * 45 + 2);
    EXPECT_TRUE(currentSignerRow()->arrowIcon.lock()->isHidden());
    panel()->minimizingSignersRequested();
    panel()->minimizeSignersSection();
    EXPECT_EQ(panel()->tableType(), Panel::signersOpen);
}

TEST_F(SignerOnlyPanelTest, PickingARoleAsksTheCeremonyAndRowZeroFollowsItsAnswer)
{
    showHub();
    fingers->tap(*panel()->tableRevealView.lock());
    settle();
    EXPECT_EQ(currentSignerRow()->signerNameLabel.lock()->text(), "First0 Last0");

    tapSigner(1);
    settle();
    EXPECT_EQ(CeremonyFlow::sharedInstance()->currentRole(), transaction->participants()[2]);
    EXPECT_EQ(currentSignerRow()->signerNameLabel.lock()->text(), "First2 Last2");
    EXPECT_EQ(signerRow(0)->signerNameLabel.lock()->text(), "First0 Last0");
    EXPECT_EQ(linesContaining(logLines(), "Switching to role role-2"), 1u);
    // The viewer's signer is the hub's business outside drafts.
    EXPECT_EQ(hub()->currentSignerIndex(), 0);
}

TEST_F(SignerOnlyPanelTest, OnlyAnsweredSwitchesReloadTheRows)
{
    showHub();
    fingers->tap(*panel()->tableRevealView.lock());
    settle();
    transaction->participants()[0]->setFirstName("Renamed");
    const auto logged = linesContaining(logLines(), "Switching to role");
    auto& center = platform::NotificationCenter::defaultCenter();
    for (const auto& info : {Dictionary{{"switchId", "canNotSwitchNotRoleTurn"}, {"roleUid", "role-0"}},
                             Dictionary{{"switchId", 4}}, Dictionary::array({"autoSwitched"}), Dictionary()}) {
        center.post(SigningFlowRoleUpdate::name, nullptr, info);
    }
    EXPECT_EQ(currentSignerRow()->signerNameLabel.lock()->text(), "First0 Last0");
    EXPECT_EQ(linesContaining(logLines(), "Switching to role"), logged);

    center.post(SigningFlowRoleUpdate::name, nullptr, {{"switchId", "autoSwitched"}, {"roleUid", "role-0"}});
    EXPECT_EQ(currentSignerRow()->signerNameLabel.lock()->text(), "Renamed Last0");
}

// A sent draft's reload hands the panel the ceremony's roles while the other-signers row
// may be open; with no role at all the row closes instead of taking a negative height.
TEST_F(SignerOnlyPanelTest, AReloadWithoutRolesClosesTheOpenList)
{
    showHub();
    fingers->tap(*panel()->tableRevealView.lock());
    settle();
    ASSERT_EQ(panel()->tableType(), Panel::signersOpen);
    panel()->setParticipants({});
    const auto table = panel()->fieldsTableView();
    table->reloadData();
    EXPECT_EQ(rowHeight(0), 0);
    // Asked directly: the table would hide a negative answer.
    EXPECT_EQ(panel()->heightForRow(*table, {0, 1}), 0);
}

TEST_F(SignerOnlyPanelTest, ASentDraftsPanelTurnsToRolesWhenTheSenderMaySign)
{
    transaction->setDraft(true);
    showHub();
    EXPECT_FALSE(panel()->isSignerOnlyMode());
    transaction->setDraft(false);
    ZKCTouchManager::sharedInstance()->reloadTransaction(transaction);
    settle();
    EXPECT_TRUE(panel()->isSignerOnlyMode());
    EXPECT_EQ(panel()->signatureFieldsLabel.lock()->text(), "Signers");
    EXPECT_EQ(rowHeight(2), 0);
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);
}

#include "PanelTest.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "designer/screens/ZKCurrentSignerTableViewCell.h"
#include "designer/screens/ZKPanelListCell.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"
#include "designer/screens/ZKSignerTableViewCell.h"

using panel_testing::PanelTest;
using Panel = ZKPrepareFormFieldViewController;

namespace {

class PanelRowTest : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        showHub();
        // The list of the other signers open, so that every kind of row is on screen.
        tapCurrentSigner();
        settle();
        ASSERT_TRUE(signerRow(0));
    }

    static double alphaOf(const std::weak_ptr<platform::ui::Label>& label) { return label.lock()->alpha(); }
};

} // namespace

TEST_F(PanelRowTest, MaximisedRowsShowTheirNamesAndMinimisedOnlyTheirIconColumn)
{
    const auto current = currentSignerRow();
    const auto signer = signerRow(0);
    const auto item = paletteRow(1);
    for (const auto* label : {&current->signerIconLeft, &current->signerNameLabel, &current->arrowIcon,
                              &signer->signerIcon, &signer->signerNameLabel, &item->leftSignatureFieldIcon,
                              &item->signatureFieldDescriptionLabel}) {
        EXPECT_EQ(alphaOf(*label), 1);
    }
    for (const auto* label : {&current->signerIconLeftSmall, &current->signerInitialsLabel, &signer->signerCredentials,
                              &item->rightSignatureFieldIcon}) {
        EXPECT_EQ(alphaOf(*label), 0);
    }

    fingers->tap(*panel()->rightSideMenuButton.lock());
    settle();
    EXPECT_EQ(alphaOf(current->signerNameLabel), 0);
    EXPECT_EQ(alphaOf(current->arrowIcon), 0);
    EXPECT_EQ(alphaOf(current->signerInitialsLabel), 1);
    EXPECT_EQ(alphaOf(item->signatureFieldDescriptionLabel), 0);
    EXPECT_EQ(alphaOf(item->rightSignatureFieldIcon), 1);

    // Touches find the inner row under them.
    const auto list = panel()->fieldsTableView()->cellForRow({0, 2});
    const auto& signatures = static_cast<ZKPanelListCell&>(*list);
    EXPECT_EQ(signatures.itemIndexForTouchAtLocation({100, 45 * 3 + 10}), 3);
    EXPECT_EQ(signatures.itemIndexForTouchAtLocation({100, 45 * 11 + 10}), -1);
}

TEST_F(PanelRowTest, SixTenthsOpenTheCompactPartsAreGoneAndTheFullOnesAtSixTenths)
{
    panel()->hidePanelWithCompletionHandler(nullptr);
    settle();
    const auto finger = fingers->touchDown({1, 400});
    settle(0.03);
    fingers->touchMove(finger, {15, 400});
    settle(0.03);
    fingers->touchMove(finger, {1 + 0.6 * 257, 400});

    const auto current = currentSignerRow();
    EXPECT_NEAR(alphaOf(current->signerNameLabel), 0.6, 1e-9);
    EXPECT_NEAR(alphaOf(current->arrowIcon), 0.42, 1e-9);
    EXPECT_EQ(alphaOf(current->signerInitialsLabel), 0);
    EXPECT_NEAR(alphaOf(signerRow(1)->signerNameLabel), 0.6, 1e-9);
    EXPECT_EQ(alphaOf(signerRow(1)->signerCredentials), 0);
    EXPECT_NEAR(alphaOf(paletteRow(4)->leftSignatureFieldIcon), 0.6, 1e-9);
    EXPECT_EQ(alphaOf(paletteRow(4)->rightSignatureFieldIcon), 0);

    // Just out of the hidden state the compact parts still show.
    fingers->touchMove(finger, {1 + 0.2 * 257, 400});
    EXPECT_NEAR(alphaOf(paletteRow(4)->rightSignatureFieldIcon), 1 - 1.7 * 0.2, 1e-9);
    fingers->touchUp(finger);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);
}

TEST_F(PanelTest, ADraftsPanelOpensMaximisedWithItsRowsExpandedThenMinimisesAfterAMoment)
{
    ZKCTouchManager::sharedInstance()->showTransactionOnViewController(transaction, root);
    settle(0.35);
    EXPECT_EQ(panel()->tableSizeState(), Panel::maximized);
    EXPECT_EQ(bodyX(), 0);
    EXPECT_EQ(currentSignerRow()->signerNameLabel.lock()->alpha(), 1);
    EXPECT_EQ(currentSignerRow()->signerInitialsLabel.lock()->alpha(), 0);
    EXPECT_EQ(paletteRow(0)->rightSignatureFieldIcon.lock()->alpha(), 0);

    settle(0.1);
    EXPECT_EQ(bodyX(), -196);
    settle(0.2);
    EXPECT_EQ(panel()->tableSizeState(), Panel::minimized);
    EXPECT_EQ(currentSignerRow()->signerInitialsLabel.lock()->alpha(), 1);
}

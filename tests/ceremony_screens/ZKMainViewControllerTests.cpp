#include "HubTest.h"

#include "ceremony/CeremonyFlow.h"
#include "ceremony/SigningFlowRoleUpdate.h"
#include "foundation/NotificationCenter.h"
#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFPage.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "ceremony/screens/ZKStoryboardUniversal.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "fields/ZKElementView.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "sdk/VTTransaction.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/Storyboard.h"

using hub_testing::FakeSettingsScreen;
using hub_testing::HubTest;
using platform::graphics::makeRect;

namespace {

bool isBlue(std::uint32_t argb)
{
    return (argb & 0xff) > 0xc0 && ((argb >> 16) & 0xff) < 0x40;
}

} // namespace

TEST_F(HubTest, TheHubEmbedsThePanelOverTheViewerBelowItsTopBarAndFeedsIt)
{
    showHub();
    ASSERT_EQ(root->presentedViewController(), hub());
    EXPECT_EQ(hub()->sceneIdentifier(), ZKStoryboardUniversal::mainScene);
    EXPECT_EQ(hub()->titleLabel()->text(), "Lease trx");
    const auto fake = panel();
    ASSERT_TRUE(fake);
    EXPECT_EQ(fake->view()->frame(), makeRect(0, 56, 375, 667 - 56));
    EXPECT_EQ(hub()->view()->subviews().back(), fake->view());
    EXPECT_EQ(viewer()->view()->frame(), makeRect(0, 56, 375, 667 - 56));
    EXPECT_EQ(fake->delegate(), viewer());
    EXPECT_EQ(fake->signerOnlyModes, std::vector<bool>{false});
    EXPECT_EQ(fake->participants, transaction->editTransactionParticipants());
    EXPECT_EQ(hub()->currentSigner(), transaction->participants()[0]);
}

TEST_F(HubTest, OnAPhoneWithANotchTheTitleClearsTheStatusBarAndTheSidesWithThePanelRightUnderTheBar)
{
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phoneWithNotch);
    showHub();
    const auto& title = *hub()->titleLabel();
    const auto upright = title.convertRectTo(title.bounds(), nullptr);
    EXPECT_GE(upright.minY(), 44);
    EXPECT_EQ(panel()->view()->frame(), makeRect(0, upright.maxY(), 375, 812 - upright.maxY()));
    EXPECT_EQ(viewer()->view()->frame().minY(), upright.maxY());

    screen.setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    const auto turned = title.convertRectTo(title.bounds(), nullptr);
    EXPECT_GE(turned.minX(), 44);
    EXPECT_LE(turned.maxX(), 812 - 44);
    EXPECT_EQ(panel()->view()->frame().minY(), 56);
}

TEST_F(HubTest, WithoutThePanelsSceneTheHubShowsThePagesAlone)
{
    platform::ui::Storyboard::registerDefinition(ZKStoryboardUniversal::name, ZKStoryboardUniversal::define);
    showHub();
    EXPECT_EQ(hub()->formFieldVC(), nullptr);
    EXPECT_EQ(viewer()->pages().size(), 2u);
}

TEST_F(HubTest, TheViewerDrawsTheStoredPagesAtTheViewersWidthWithTheirFields)
{
    auto element = ZKElement::insertNew();
    element->setIdent("sig");
    element->setType("SIGNATURE");
    element->setApproval("sig");
    element->setRoles({"role-1"});
    element->setPage(1);
    element->setFrame(makeRect(100, 100, 130, 38));
    transaction->documents()[0]->addElement(element);
    auto beyond = ZKElement::insertNew();
    beyond->setType("TextBox");
    beyond->setPage(7);
    transaction->documents()[0]->addElement(beyond);
    showHub();

    ASSERT_EQ(viewer()->pages().size(), 2u);
    // A draft's pages start right of the designer's minimised column and fit beside it.
    EXPECT_DOUBLE_EQ(viewer()->zoomScale(), (375.0 - ZKPrepareFormFieldPanel::minimizedWidth) / 612);
    EXPECT_EQ(viewer()->pages()[1]->frame(), makeRect(0, 812, 612, 792));
    const auto views = viewer()->elementViews();
    ASSERT_EQ(views.size(), 1u);
    EXPECT_EQ(views.front()->superview(), viewer()->pages()[1]);
    EXPECT_TRUE(views.front()->isInDesignMode());

    const auto image = window->snapshotImage(1);
    const double zoom = viewer()->zoomScale();
    // The blue band across the top of the first page, 10 points down the document.
    const int band = static_cast<int>(56 + (10 + 45) * zoom);
    EXPECT_TRUE(isBlue(image->pixelAt(187, band)));
    EXPECT_FALSE(isBlue(image->pixelAt(187, static_cast<int>(56 + (10 + 200) * zoom))));
    EXPECT_FALSE(isBlue(image->pixelAt(30, band)));
    EXPECT_TRUE(isBlue(image->pixelAt(65, band)));
}

TEST_F(HubTest, EachSettingsSegueHandsTheActiveFieldToItsScreenAndTheUnwindComesBack)
{
    showHub();
    const auto signature = ZKCTouchManager::sharedInstance()->createElementFromTypeWithAutofillValueForSignatureIdentWithScreenFrame(
        "SIGNATURE", std::nullopt, std::nullopt, makeRect(100, 100, 130, 38));
    ASSERT_TRUE(signature);
    const auto field = viewer()->elementViews().front();
    hub()->setActiveElementView(field);

    for (const auto& segue : ZKStoryboardUniversal::settingsSegues) {
        ASSERT_TRUE(hub()->performSegue(segue.identifier, nullptr)) << segue.identifier;
        settle();
        auto presented = hub()->presentedViewController();
        const bool radio = std::string(segue.identifier) == ZKStoryboardUniversal::radioSettingsSegue;
        if (const auto navigation = std::dynamic_pointer_cast<platform::ui::NavigationController>(presented)) {
            EXPECT_TRUE(radio);
            presented = navigation->topViewController();
        }
        const auto screen = std::dynamic_pointer_cast<FakeSettingsScreen>(presented);
        ASSERT_TRUE(screen) << segue.identifier;
        EXPECT_EQ(screen->elementView.lock(), field) << segue.identifier;
        if (radio) {
            hub()->dismiss(false);
        } else {
            ASSERT_TRUE(screen->performSegue("unwindToHub", nullptr));
        }
        settle();
        EXPECT_EQ(hub()->presentedViewController(), nullptr) << segue.identifier;
    }
    EXPECT_EQ(hub()->activeElementView(), field);
}

TEST_F(HubTest, ASentDraftReloadsWithTheCeremonysRolesAndTurnsThePanelToRolesOnTheSendersTurn)
{
    showHub();
    const auto fake = panel();
    fake->participants.clear();
    transaction->setDraft(false);

    ZKCTouchManager::sharedInstance()->reloadTransaction(transaction);

    EXPECT_EQ(fake->participants, CeremonyFlow::sharedInstance()->displayRolesList());
    EXPECT_EQ(fake->table->numberOfRows(0), 2);
    EXPECT_EQ(fake->calls, std::vector<std::string>{"minimizePanel"});
    // The first role is the sender's own.
    EXPECT_EQ(fake->signerOnlyModes, (std::vector<bool>{false, true}));

    // Later switches change nothing more.
    CeremonyFlow::sharedInstance()->tryToMoveToRoleWithUid("role-0");
    EXPECT_EQ(fake->signerOnlyModes.size(), 2u);
}

TEST_F(HubTest, OnlyASwitchTurnsTheSentDraftsPanelToRoles)
{
    showHub();
    transaction->setDraft(false);
    CeremonyFlow::sharedInstance()->buildStepsForTransaction(transaction);
    auto& center = platform::NotificationCenter::defaultCenter();
    center.post(SigningFlowRoleUpdate::name, nullptr, {{"switchId", 7}});
    center.post(SigningFlowRoleUpdate::name, nullptr, Dictionary::array({"autoSwitched"}));
    center.post(SigningFlowRoleUpdate::name, nullptr, {{"switchId", "canNotSwitchNotRoleTurn"}});
    EXPECT_EQ(panel()->signerOnlyModes, std::vector<bool>{false});

    center.post(SigningFlowRoleUpdate::name, nullptr, {{"switchId", "autoSwitched"}});
    EXPECT_EQ(panel()->signerOnlyModes, (std::vector<bool>{false, true}));
}

TEST_F(HubTest, ATransactionOfOneRoleDisablesThePanelAndAnotherSignersTurnKeepsItAsItIs)
{
    showHub();
    const auto fake = panel();
    transaction->setDraft(false);
    transaction->participants()[0]->setIsOwner(false);
    transaction->removeParticipant(transaction->participants()[1]);

    ZKCTouchManager::sharedInstance()->reloadTransaction(transaction);

    EXPECT_EQ(fake->calls, std::vector<std::string>{"disablePanelAnimated:YES"});
    EXPECT_EQ(fake->signerOnlyModes, std::vector<bool>{false});
}

TEST_F(HubTest, ANonDraftOpensWithTheCeremonysRolesInSignerOnlyMode)
{
    transaction->setDraft(false);
    showHub();
    EXPECT_EQ(panel()->signerOnlyModes, std::vector<bool>{true});
    EXPECT_EQ(panel()->participants, transaction->participants());
    // Opening is no reload: the panel places itself as it loads.
    EXPECT_TRUE(panel()->calls.empty());
    EXPECT_EQ(CeremonyFlow::sharedInstance()->currentRole(), transaction->participants()[0]);
    EXPECT_FALSE(viewer()->elementViews().size());
}

TEST_F(HubTest, ClosingADraftsHubReloadsTheComposersTransactionAndTellsTheHost)
{
    showHub();
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    model->setTransaction(VTTransaction::transactionForGUID("trx"));
    const auto before = model->transaction();
    ASSERT_TRUE(before);
    std::vector<Dictionary> exits;
    ZKCTouchManager::sharedInstance()->setExitHandler([&exits](const Dictionary& info) { exits.push_back(info); });

    ZKCTouchManager::sharedInstance()->unloadCocoaTouchAnimated(true);
    settle();

    EXPECT_NE(model->transaction(), before);
    ASSERT_TRUE(model->transaction());
    EXPECT_EQ(model->transaction()->guid(), "trx");
    EXPECT_EQ(root->presentedViewController(), nullptr);
    EXPECT_EQ(ZKCTouchManager::sharedInstance()->mainVController(), nullptr);
    EXPECT_EQ(exits.size(), 1u);
}

TEST_F(HubTest, TheViewerAtTheEndOfItsPagesZoomedOutOrTurnedUprightShowsThemToTheirEnd)
{
    showHub();
    const auto scroll = viewer()->scrollView();
    const auto lastTop = [&scroll] { return scroll->contentSize().height - scroll->bounds().height(); };
    viewer()->setZoomScale(2);
    viewer()->setContentOffset({0, 1e9});
    ASSERT_GT(lastTop(), 0);
    viewer()->setZoomScale(1);
    EXPECT_EQ(scroll->contentOffset().y, lastTop());

    auto& screen = platform::ui::Screen::main();
    screen.setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    viewer()->setContentOffset({0, 1e9});
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    settle();
    EXPECT_EQ(scroll->contentOffset().y, std::max(0.0, lastTop()));
}

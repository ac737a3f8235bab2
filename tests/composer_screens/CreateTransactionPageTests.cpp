#include "ComposerScreenTest.h"

#include "composer/RecipientDomains.h"
#include "composer/screens/CreateTransactionAddRecipientCell.h"
#include "composer/screens/CreateTransactionDocumentCell.h"
#include "composer/screens/CreateTransactionDocumentListCell.h"
#include "composer/screens/CreateTransactionEmailMessageCell.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "composer/screens/CreateTransactionRecipientListCell.h"
#include "composer/screens/CreateTransactionSettingsVC.h"
#include "composer/screens/CreateTransactionTransactionNameCell.h"
#include "DataManager/ZKDataManager.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "dragdrop/DocumentPreviewController.h"
#include "model/VeltManagedObject.h"
#include "model/ZKTransaction.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "sdk/screens/VLTOpenInPreviewController.h"
#include "sdk/screens/VTAlertView.h"
#include "sdk/screens/VTErrorAlertView.h"
#include "signers/screens/AddSignerViewController.h"
#include "support/SafeAreaCheck.h"
#include "support/ZKColor.h"
#include "ui/Application.h"
#include "ui/Keyboard.h"

#include <gmock/gmock.h>
#include <fstream>

namespace {

using composer_screens_testing::ComposerScreenTest;
using platform::ui::InterfaceOrientation;
using Row = CreateTransactionPageRowHeights::Row;

class CreateTransactionPageTest : public ComposerScreenTest {
protected:
    std::shared_ptr<CreateTransactionTransactionNameCell> nameCell() const
    {
        return std::dynamic_pointer_cast<CreateTransactionTransactionNameCell>(row(Row::name));
    }
    std::shared_ptr<CreateTransactionAddRecipientCell> addRecipientCell() const
    {
        return std::dynamic_pointer_cast<CreateTransactionAddRecipientCell>(row(Row::addRecipient));
    }
    bool isBlurred() const
    {
        const auto blur = page()->blurView.lock();
        return !blur->isHidden() && blur->effect().has_value();
    }
    std::string nextGlyph() const { return page()->nextButton.lock()->title().value_or(""); }
    bool nextShown() const { return isShown(*page()->nextButton.lock()); }

    // A transaction named "Offer" for Ann with the documents, each a file of the home
    // folder with the given content, or a PDF of one page when none is given.
    std::shared_ptr<VTTransaction> offer(const std::vector<std::pair<std::string, std::optional<std::string>>>& documents) const
    {
        auto transaction = std::make_shared<VTTransaction>();
        transaction->setName("Offer");
        for (const auto& [name, content] : documents) {
            std::string path = writePdf(name + ".pdf");
            if (content) {
                std::ofstream(path, std::ios::binary) << *content;
            }
            transaction->addDocument(VTDocument::initWithNameAndPath(name, path));
        }
        transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
            "Ann", "Lee", "ann@example.com", std::nullopt, std::nullopt, std::nullopt));
        return transaction;
    }
    static std::shared_ptr<ZKTransaction> lastStored()
    {
        const auto stored = VeltManagedObject::storeManager()->allTransactions();
        return stored.empty() ? nullptr : stored.front();
    }
    static std::string alertMessage()
    {
        const auto alert = VTAlertView::sharedInstance()->errorAlertView();
        return alert ? alert->messageLabel()->text().value_or("") : "";
    }
    void closeAlert()
    {
        tapAndSettle(*VTAlertView::sharedInstance()->errorAlertView()->button());
    }
};

TEST_F(CreateTransactionPageTest, UnnamedTransactionOpensTheNameRowUntilANonEmptyNameIsTypedAndReturned)
{
    openWith(std::nullopt, 1, {"ann@example.com"});
    EXPECT_EQ(heightOfRow(Row::name), 103);
    EXPECT_TRUE(isBlurred());
    EXPECT_FALSE(page()->tableView.lock()->isScrollEnabled());
    EXPECT_TRUE(nextShown());
    EXPECT_EQ(nextGlyph(), "C");
    EXPECT_EQ(titleText(), "Transaction x");

    typeName("   ");
    settle();
    EXPECT_EQ(model->title(), "") << "an empty name is refused";
    EXPECT_TRUE(isBlurred());
    EXPECT_EQ(nameCell()->transactionNameStatusBar.lock()->backgroundColor(), ZKColor::error());

    typeName(" \tLease\nterms\t ");
    settle();
    EXPECT_EQ(model->title(), "Lease\nterms") << "spaces and tabs are trimmed, line breaks are not";
    EXPECT_EQ(heightOfRow(Row::name), 0);
    EXPECT_FALSE(isBlurred());
    EXPECT_TRUE(page()->tableView.lock()->isScrollEnabled());
    EXPECT_EQ(nextGlyph(), "Y");
    EXPECT_EQ(titleText(), "Lease\nterms x");
}

TEST_F(CreateTransactionPageTest, TurningWhileTheNameIsTypedKeepsTheRowOpenAndTheTyping)
{
    openWith(std::nullopt, 1, {"ann@example.com"});
    const auto field = nameCell()->transactionNameTextField.lock();
    tap(*field);
    fingers->typeText("Lease");
    rotate(InterfaceOrientation::landscapeLeft);
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_TRUE(isBlurred());
    EXPECT_EQ(heightOfRow(Row::name), 103);
    EXPECT_EQ(heightOfRow(Row::documentList), 65) << "the list still takes the landscape floor";
    fingers->typeText(" renewal");
    rotate(InterfaceOrientation::portrait);
    fingers->pressReturn();
    settle();
    EXPECT_EQ(model->title(), "Lease renewal");
    EXPECT_EQ(heightOfRow(Row::documentList), 130);
}

TEST_F(CreateTransactionPageTest, NamedTransactionOpensClosedAndNextFollowsValidity)
{
    openWith("Offer", 0, {});
    EXPECT_EQ(heightOfRow(Row::name), 0);
    EXPECT_FALSE(isBlurred());
    EXPECT_FALSE(nextShown());
    EXPECT_EQ(titleText(), "Offer x");

    host->documentToAdd = {{writePdf("plan.pdf"), std::string("Plan")}};
    tap(*row(Row::documentsHeader));
    EXPECT_EQ(host->events, std::vector<std::string>{"onAddDocument"});
    EXPECT_EQ(model->documentsNumber(), 1);
    const auto list = std::dynamic_pointer_cast<CreateTransactionDocumentListCell>(row(Row::documentList));
    ASSERT_NE(list, nullptr);
    const auto document =
        std::dynamic_pointer_cast<CreateTransactionDocumentCell>(list->documentsTableView.lock()->cellForRow({0, 0}));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->documentNameabel.lock()->text(), "Plan.pdf");
    EXPECT_FALSE(nextShown());

    model->addSignerAtIndex(Dictionary{{"firstName", "Ann"}, {"lastName", "Lee"}, {"email", "ann@example.com"}}, 0);
    EXPECT_TRUE(nextShown());
    model->addSignerAtIndex(Dictionary{{"firstName", "P"},
                                       {"lastName", "H"},
                                       {"email", std::string("placeholder1") + RecipientDomains::kPlaceholderDomain}},
                            0);
    EXPECT_FALSE(nextShown()) << "a placeholder recipient still needs its details";
}

TEST_F(CreateTransactionPageTest, ANameOfSpacesOffersNextWhichTheModelThenRefusesSilently)
{
    openWith("   ", 1, {"ann@example.com"});
    ASSERT_TRUE(nextShown());
    tapAndSettle(*page()->nextButton.lock());
    EXPECT_TRUE(host->details.empty());
    EXPECT_EQ(root->presentedViewController(), nullptr);
    EXPECT_EQ(VTAlertView::sharedInstance()->errorAlertView(), nullptr);
}

TEST_F(CreateTransactionPageTest, DoneClosesTheNameRowThenNextStartsTheDraftOnTheHub)
{
    openWith(std::nullopt, 1, {"ann@example.com"});
    tapAndSettle(*page()->nextButton.lock());
    EXPECT_EQ(heightOfRow(Row::name), 103) << "Done without a name keeps the row open";

    const auto cell = nameCell();
    tap(*cell->transactionNameTextField.lock());
    fingers->typeText("Lease");
    tapAndSettle(*page()->nextButton.lock());
    EXPECT_EQ(heightOfRow(Row::name), 0);

    tapAndSettle(*page()->nextButton.lock());
    ASSERT_EQ(host->details.size(), 1u);
    EXPECT_EQ(host->details[0]["title"], "Lease");
    ASSERT_NE(root->presentedViewController(), nullptr) << "the draft opens on the hub over the composer";
    EXPECT_TRUE(root->presentedViewController()->isVisible());
}

TEST_F(CreateTransactionPageTest, FailedLoadLeavesThroughExitWithoutWaitingForever)
{
    EXPECT_TRUE(Veltra::dashboard()->startEditingTransactionWithGuid("no-such-transaction", true, true, true));
    EXPECT_TRUE(VTAlertView::sharedInstance()->isShowingBlockingMessage());
    ASSERT_TRUE(waitFor([this] { return !host->events.empty(); }));
    settle();
    EXPECT_EQ(host->events, std::vector<std::string>{"didExitSDK"});
    EXPECT_FALSE(VTAlertView::sharedInstance()->isShowingBlockingMessage());
    EXPECT_EQ(navigation->topViewController(), root);
}

struct HeightCase {
    platform::ui::DeviceProfile profile;
    InterfaceOrientation orientation;
    int documents;
    double documentList;
    double message;
};

TEST_F(CreateTransactionPageTest, BesideANotchTheMainPageAndItsSettingsKeepControlsAndTextWithinTheSafeArea)
{
    using testing_support::controlsOutsideSafeArea;
    makeHost(platform::ui::DeviceProfile::phoneWithNotch);
    openWith("Offer", 2, {"ann@example.com", "ben@example.com"});
    for (const auto orientation : {InterfaceOrientation::landscapeLeft, InterfaceOrientation::portrait,
                                   InterfaceOrientation::landscapeRight}) {
        rotate(orientation);
        EXPECT_THAT(controlsOutsideSafeArea(*page()->view()), testing::IsEmpty())
            << "held " << static_cast<int>(orientation);
    }
    tapAndSettle(*page()->settingsButton.lock());
    const auto settings = page()->presentedViewController();
    ASSERT_NE(settings, nullptr);
    EXPECT_THAT(controlsOutsideSafeArea(*settings->view()), testing::IsEmpty());
}

TEST_F(CreateTransactionPageTest, ListRowsGrowWithTheirRowsAndOnlyTabletsShowTheMessageRow)
{
    using platform::ui::DeviceProfile;
    const std::vector<HeightCase> cases{
        {DeviceProfile::phone, InterfaceOrientation::portrait, 10, 650, 0},
        {DeviceProfile::phone, InterfaceOrientation::portrait, 0, 130, 0},
        {DeviceProfile::phone, InterfaceOrientation::landscapeLeft, 0, 65, 0},
        {DeviceProfile::tablet, InterfaceOrientation::landscapeLeft, 3, 195, 610},
    };
    for (const auto& expected : cases) {
        makeHost(expected.profile);
        openWith(std::nullopt, expected.documents, {"a@example.com", "b@example.com", "c@example.com"});
        rotate(expected.orientation);
        SCOPED_TRACE(std::to_string(expected.documents) + " documents");
        EXPECT_EQ(heightOfRow(Row::documentList), expected.documentList);
        EXPECT_EQ(heightOfRow(Row::messageToAll), expected.message);
        EXPECT_EQ(heightOfRow(Row::recipientList), 195);
    }
}

TEST_F(CreateTransactionPageTest, ListsKeepCellsOnlyForTheRowsOnScreenAsThePageScrolls)
{
    std::vector<std::string> emails;
    for (int index = 0; index < 40; ++index) {
        emails.push_back("r" + std::to_string(index) + "@example.com");
    }
    openWith("Offer", 30, emails);
    const auto table = page()->tableView.lock();
    const auto onScreen = static_cast<std::size_t>(table->bounds().height() / 65) + 1;
    const auto documents =
        std::dynamic_pointer_cast<CreateTransactionDocumentListCell>(row(Row::documentList))->documentsTableView.lock();
    EXPECT_NE(documents->cellForRow({0, 0}), nullptr);
    EXPECT_EQ(documents->cellForRow({0, 29}), nullptr);
    EXPECT_LE(documents->visibleCells().size(), onScreen);

    table->setContentOffset(table->clampedOffset({0, 1e9}));
    settle();
    const auto recipients = std::dynamic_pointer_cast<CreateTransactionRecipientListCell>(row(Row::recipientList))
                                ->signersTableView.lock();
    EXPECT_NE(recipients->cellForRow({0, 39}), nullptr);
    EXPECT_EQ(recipients->cellForRow({0, 0}), nullptr);
    // Back up a row at a time: the row in the middle of the screen always has its cell,
    // and cells leaving at the bottom are reused for rows coming in at the top.
    const platform::ui::Point middle = table->convertPointTo(table->bounds().center(), nullptr);
    for (int step = 0; step < 20; ++step) {
        table->setContentOffset({0, table->contentOffset().y - 65});
        window->layoutIfNeeded();
        const auto shown = recipients->indexPathForRow(recipients->convertPointFrom(middle, nullptr));
        ASSERT_TRUE(shown.has_value());
        EXPECT_NE(recipients->cellForRow(*shown), nullptr) << "row " << shown->row;
        EXPECT_LE(recipients->visibleCells().size(), onScreen);
    }
    EXPECT_LE(recipients->cellsMade(), onScreen + 1);
}

TEST_F(CreateTransactionPageTest, OrderedSigningControlShowsFromTwoRecipientsAndSwitchesOffBelow)
{
    std::vector<std::string> posted;
    auto& center = platform::NotificationCenter::defaultCenter();
    for (const char* name : {CreateTransactionNotifications::orderedSigningTurnedOn,
                             CreateTransactionNotifications::orderedSigningTurnedOff}) {
        center.addObserver(name, [&posted](const platform::Notification& note) { posted.push_back(note.name); });
    }
    openWith("Offer", 1, {"ann@example.com", "bob@example.com"});
    auto cell = addRecipientCell();
    ASSERT_TRUE(isShown(*cell->orderedSigningSwitch.lock()));
    ASSERT_TRUE(isShown(*cell->setOrderLabel.lock()));
    tap(*cell->orderedSigningSwitch.lock());
    EXPECT_TRUE(model->orderedSigning());
    EXPECT_EQ(posted, std::vector<std::string>{CreateTransactionNotifications::orderedSigningTurnedOn});

    model->removeSignerWithIndex(0);
    settle();
    EXPECT_FALSE(model->orderedSigning());
    cell = addRecipientCell();
    EXPECT_FALSE(isShown(*cell->orderedSigningSwitch.lock()));
    EXPECT_FALSE(isShown(*cell->setOrderLabel.lock()));
    EXPECT_FALSE(cell->orderedSigningSwitch.lock()->isOn());
}

TEST_F(CreateTransactionPageTest, OpenInPreviewOfferedOnReturnAddsTheFileAndNamesAnUntitledTransaction)
{
    openWith(std::nullopt, 0, {});
    Veltra::setPreviewLoadPath(writePdf("Contract.pdf"));
    platform::ui::Application::shared().enterForeground();
    settle(0.5);
    EXPECT_EQ(page()->presentedViewController(), nullptr);
    settle(1);
    auto preview = std::dynamic_pointer_cast<VLTOpenInPreviewController>(page()->presentedViewController());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->context(), "Add Document");
    tapAndSettle(*preview->saveButton());
    EXPECT_EQ(model->documentsNumber(), 0);

    platform::ui::Application::shared().enterForeground();
    settle(1.5);
    preview = std::dynamic_pointer_cast<VLTOpenInPreviewController>(page()->presentedViewController());
    ASSERT_NE(preview, nullptr);
    tapAndSettle(*preview->startButton());
    EXPECT_EQ(model->documentsNumber(), 1);
    EXPECT_EQ(titleText(), "Contract x");
    EXPECT_EQ(page()->presentedViewController(), nullptr);
}

TEST_F(CreateTransactionPageTest, TemplateNotificationReloadsOnlyWithAGuid)
{
    auto draft = std::make_shared<VTTransaction>();
    draft->setName("From template");
    draft->addDocument(VTDocument::initWithNameAndPath("T", writePdf("t.pdf")));
    draft->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole("A", "B", "a@example.com",
                                                                                std::nullopt, std::nullopt,
                                                                                std::nullopt));
    std::string guid;
    draft->startEditingWithCallback([&guid](const Dictionary& reply) { guid = reply.value("guid", ""); });
    ASSERT_FALSE(guid.empty());
    Veltra::dashboard()->exitSDK();
    settle();

    openWith(std::nullopt, 0, {});
    auto& center = platform::NotificationCenter::defaultCenter();
    center.post(ZKDataManager::kTemplateDraftNotification, nullptr, Dictionary{{"guid", 42}});
    settle();
    EXPECT_FALSE(model->guid());
    center.post(ZKDataManager::kTemplateDraftNotification, nullptr, Dictionary{{"guid", guid}});
    settle();
    EXPECT_EQ(titleText(), "From template x");
    EXPECT_EQ(heightOfRow(Row::name), 0);
}

TEST_F(CreateTransactionPageTest, DocumentPreviewWritesOnlyInsideTheTemporaryFolderAndRemovesItsFile)
{
    openWith("Offer", 0, {});
    model->addDocument(Dictionary{{"displayName", "../../outside"}, {"path", writePdf("inside.pdf")}});
    page()->createTransactionDocumentListCellContentOfFilePreviewRequested("", 0);
    settle();
    const auto temporary = platform::Environment::temporaryDirectory();
    EXPECT_TRUE(std::filesystem::exists(temporary / "outside.pdf"));
    EXPECT_FALSE(std::filesystem::exists(temporary.parent_path().parent_path() / "outside.pdf"));
    auto preview = std::dynamic_pointer_cast<platform::dragdrop::DocumentPreviewController>(
        page()->presentedViewController());
    ASSERT_NE(preview, nullptr);
    tapAndSettle(*preview->doneButton());
    EXPECT_EQ(page()->presentedViewController(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(temporary / "outside.pdf"));

    std::filesystem::remove_all(temporary);
    std::ofstream(temporary) << "a file where the folder should be";
    page()->createTransactionDocumentListCellContentOfFilePreviewRequested("", 0);
    settle();
    EXPECT_EQ(page()->presentedViewController(), nullptr) << "no preview when the file cannot be written";
}

TEST_F(CreateTransactionPageTest, SeguesHandTheSettingsPageItsDelegateAndTheAddPageItsRow)
{
    openWith("Offer", 1, {"ann@example.com"});
    tapAndSettle(*page()->settingsButton.lock());
    const auto settings = std::dynamic_pointer_cast<CreateTransactionSettingsVC>(page()->presentedViewController());
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->delegate(), page());
    tapAndSettle(*settings->backButton);
    EXPECT_EQ(page()->presentedViewController(), nullptr);

    page()->selectedSignerIndex = 3;
    tapAndSettle(*addRecipientCell()->addRecipientsButton.lock());
    const auto opened = std::dynamic_pointer_cast<platform::ui::NavigationController>(page()->presentedViewController());
    ASSERT_NE(opened, nullptr);
    const auto addSigner = std::dynamic_pointer_cast<AddSignerViewController>(opened->topViewController());
    ASSERT_NE(addSigner, nullptr);
    EXPECT_EQ(addSigner->signerIndex(), std::nullopt) << "the add row asks for a new recipient";
    tapAndSettle(*addSigner->closeButton);
    EXPECT_EQ(page()->presentedViewController(), nullptr);
}

TEST_F(CreateTransactionPageTest, EachAppearanceRefetchesTheGroupsAndTabletsEditTheMessageOnThePage)
{
    int groupChanges = 0;
    platform::NotificationCenter::defaultCenter().addObserver(
        VLTNewTransactionViewModel::kListOfGroupsDidChangeNotification,
        [&groupChanges](const platform::Notification&) { ++groupChanges; });
    makeHost(platform::ui::DeviceProfile::tablet);
    openWith("Offer", 1, {});
    EXPECT_GE(groupChanges, 1);

    const auto cell = std::dynamic_pointer_cast<CreateTransactionEmailMessageCell>(row(Row::messageToAll));
    ASSERT_NE(cell, nullptr);
    tap(*cell->emailTextView.lock());
    fingers->typeText("Please sign.\nThanks");
    tap(*row(Row::recipientList));
    EXPECT_FALSE(cell->emailTextView.lock()->isFirstResponder());
    EXPECT_EQ(model->emailMessage(), "Please sign.\nThanks");
}

TEST_F(CreateTransactionPageTest, OnATabletClearEndsWhereTheMessageBoxEndsInBothOrientations)
{
    makeHost(platform::ui::DeviceProfile::tablet);
    openWith("Offer", 1, {});
    for (const auto orientation : {InterfaceOrientation::portrait, InterfaceOrientation::landscapeLeft}) {
        rotate(orientation);
        const auto cell = std::dynamic_pointer_cast<CreateTransactionEmailMessageCell>(row(Row::messageToAll));
        ASSERT_NE(cell, nullptr);
        const auto clear = buttonTitled(*cell, "Clear");
        ASSERT_NE(clear, nullptr);
        const auto box = cell->emailTextView.lock();
        EXPECT_TRUE(titleFits(*clear));
        EXPECT_NEAR(titleRightEdge(*clear), box->convertRectTo(box->bounds(), nullptr).maxX(), 1);
    }
}

TEST_F(CreateTransactionPageTest, CloseStoresTheNameStillBeingTypedAndARenameThroughTheTitleButton)
{
    openWith(std::nullopt, 1, {"ann@example.com"});
    tap(*nameCell()->transactionNameTextField.lock());
    fingers->typeText("Lease");
    tapAndSettle(*page()->closeButton.lock());
    ASSERT_EQ(host->details.size(), 1u) << "typed without Return, the name still counts";
    EXPECT_EQ(host->details[0]["title"], "Lease");
    EXPECT_EQ(host->details[0]["sender"]["email"], "sam@example.com");
    EXPECT_EQ(host->events,
              (std::vector<std::string>{"didCreateLocalDraftWithDetails", "onCloseButton", "didExitSDK"}));
    EXPECT_EQ(navigation->topViewController(), root);

    host->details.clear();
    openWith("Offer", 1, {"ann@example.com"});
    tapAndSettle(*page()->transactionNameButton.lock());
    tapAndSettle(*page()->transactionNameButton.lock());
    EXPECT_EQ(heightOfRow(Row::name), 0) << "the title button closes the row it opened";
    EXPECT_FALSE(isBlurred());
    EXPECT_TRUE(nextShown());
    tapAndSettle(*page()->transactionNameButton.lock());
    EXPECT_EQ(heightOfRow(Row::name), 103);
    EXPECT_TRUE(isBlurred());
    EXPECT_FALSE(nextShown());
    tap(*nameCell()->transactionNameTextField.lock());
    fingers->deleteBackward(10);
    fingers->typeText("Lease 2");
    tapAndSettle(*page()->closeButton.lock());
    ASSERT_EQ(host->details.size(), 1u);
    EXPECT_EQ(host->details[0]["title"], "Lease 2");
}

TEST_F(CreateTransactionPageTest, OnATabletTheMessageStillBeingTypedGoesWithNextAndWithClose)
{
    makeHost(platform::ui::DeviceProfile::tablet);
    const auto typeMessage = [this](const std::string& text) {
        const auto cell = std::dynamic_pointer_cast<CreateTransactionEmailMessageCell>(row(Row::messageToAll));
        ASSERT_NE(cell, nullptr);
        tap(*cell->emailTextView.lock());
        fingers->typeText(text);
    };
    open(offer({{"Document 0", std::nullopt}}));
    typeMessage("Thanks");
    tapAndSettle(*page()->closeButton.lock());
    ASSERT_NE(lastStored(), nullptr);
    EXPECT_EQ(lastStored()->emailMessage(), "Thanks");

    const auto started = offer({{"Document 1", std::nullopt}});
    open(started);
    typeMessage("Please sign by Friday");
    tapAndSettle(*page()->iPadNextButton.lock());
    EXPECT_EQ(started->emailMessage(), "Please sign by Friday");
    EXPECT_NE(root->presentedViewController(), nullptr);
}

TEST_F(CreateTransactionPageTest, AStoreFailureOnCloseOrNextKeepsThePageWithTheReasonUntilTheCulpritIsGone)
{
    open(offer({{"Plan", std::nullopt}, {"Notes", std::string("just some text")}}));
    const auto composer = page();
    tapAndSettle(*composer->closeButton.lock());
    EXPECT_EQ(page(), composer);
    EXPECT_EQ(alertMessage(), "The document \"Notes\" is not a readable PDF file.");
    EXPECT_TRUE(host->events.empty()) << "the host hears neither a draft nor an exit";
    closeAlert();

    ASSERT_TRUE(nextShown());
    tapAndSettle(*composer->nextButton.lock());
    EXPECT_EQ(root->presentedViewController(), nullptr) << "no draft opens on the hub";
    EXPECT_EQ(alertMessage(), "The document \"Notes\" is not a readable PDF file.");
    closeAlert();
    EXPECT_EQ(lastStored(), nullptr);

    model->removeDocumentWithIndex(1);
    tapAndSettle(*composer->closeButton.lock());
    EXPECT_EQ(alertMessage(), "");
    EXPECT_EQ(navigation->topViewController(), root);
    ASSERT_NE(lastStored(), nullptr);
    EXPECT_EQ(lastStored()->documents().size(), 1u);
    EXPECT_EQ(host->events.back(), "didExitSDK");
}

} // namespace

namespace {

TEST_F(CreateTransactionPageTest, OnATabletTheMessageBeingTypedStaysAboveTheKeyboardAlsoAfterATurn)
{
    for (const auto start : {InterfaceOrientation::portrait, InterfaceOrientation::landscapeLeft}) {
        SCOPED_TRACE(testing::Message() << "from orientation " << static_cast<int>(start));
        makeHost(platform::ui::DeviceProfile::tablet);
        rotate(start);
        openWith("Offer", 3, {"ann@example.com", "bob@example.com", "cy@example.com"});
        const auto table = page()->tableView.lock();
        const auto inset = table->contentInset().bottom;
        const auto cell = std::dynamic_pointer_cast<CreateTransactionEmailMessageCell>(row(Row::messageToAll));
        ASSERT_NE(cell, nullptr);
        const auto editor = cell->emailTextView.lock();
        tap(*editor);
        fingers->typeText("Please sign by Friday");
        settle();
        EXPECT_TRUE(typedAboveKeyboard(*editor, *table)) << "as typing begins";
        for (const auto turned : {InterfaceOrientation::landscapeRight, InterfaceOrientation::portrait, start}) {
            rotate(turned);
            EXPECT_TRUE(typedAboveKeyboard(*editor, *table)) << "turned to " << static_cast<int>(turned);
        }
        // Beside the box, on the message row.
        const auto box = editor->convertRectTo(editor->bounds(), nullptr);
        fingers->tap({box.midX(), box.maxY() + 20});
        settle();
        EXPECT_FALSE(platform::ui::Keyboard::shared().isVisible());
        EXPECT_EQ(table->contentInset().bottom, inset) << "the keyboard's room goes with it";
    }
}

} // namespace

#include "HubTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "ceremony/screens/ZKPDFPage.h"
#include "fields/ZKElementView.h"
#include "fields/ZKFieldSettingsOpener.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKTransaction.h"
#include "ui/TouchInjector.h"

using hub_testing::HubTest;

namespace {

class RecordingOpener : public ZKFieldSettingsOpener {
public:
    void showForElementView(const std::shared_ptr<ZKElementView>& view) override { opened.push_back(view); }
    std::vector<std::shared_ptr<ZKElementView>> opened;
};

class MarkedSignatureTest : public HubTest {
protected:
    void SetUp() override
    {
        HubTest::SetUp();
        showHub();
    }

    void tapOnPage(const std::shared_ptr<ZKElement>& element) const
    {
        platform::ui::TouchInjector(window).tap(*viewOf(element));
    }
};

} // namespace

TEST_F(MarkedSignatureTest, APositionEditMarksTheFieldsSignatureAndOffersEveryField)
{
    const auto first = tap(signatureItem());
    const auto firstText = tap(item("TextBox"));
    const auto second = tap(signatureItem());
    ASSERT_TRUE(first && firstText && second);
    EXPECT_EQ(viewer()->markedSignature(), second);

    tapOnPage(firstText);
    EXPECT_EQ(viewer()->markedSignature(), first);
    EXPECT_EQ(ZKElementView::editedElementView(), viewOf(firstText));
    ASSERT_FALSE(panel()->shouldEnable.empty());
    EXPECT_TRUE(panel()->shouldEnable.back());
    EXPECT_EQ(tap(item("TextBox"))->approval(), first->ident());

    tapOnPage(second);
    EXPECT_EQ(viewer()->markedSignature(), second);

    // A palette drag begins: the edited field's handles go, the field stays edited.
    panel()->delegate()->userDidBeginDraggingFormField(item("TextBox"));
    EXPECT_FALSE(viewOf(second)->areHandlersShown());
    EXPECT_EQ(ZKElementView::editedElementView(), viewOf(second));
}

TEST_F(MarkedSignatureTest, PickingAnotherSignerClearsTheMarkAndNewFieldsAreTheirs)
{
    const auto forFirst = tap(signatureItem());
    panel()->delegate()->userDidSelectNewParticipantAtIndex(1);
    EXPECT_EQ(hub()->currentSignerIndex(), 1);
    EXPECT_EQ(viewer()->markedSignature(), nullptr);
    EXPECT_FALSE(tap(item("TextBox")));

    const auto forSecond = tap(signatureItem());
    ASSERT_TRUE(forSecond);
    EXPECT_EQ(forSecond->roles(), std::vector<std::string>{"role-1"});
    EXPECT_EQ(tap(item("CheckBox"))->roles(), std::vector<std::string>{"role-1"});

    // An index past the participants names no signer: nothing is placed.
    panel()->delegate()->userDidSelectNewParticipantAtIndex(2);
    EXPECT_EQ(hub()->currentSigner(), nullptr);
    EXPECT_FALSE(tap(signatureItem()));
    EXPECT_EQ(forFirst->roles(), std::vector<std::string>{"role-0"});
}

TEST_F(MarkedSignatureTest, DeletingTheSignatureTakesItsFieldsAlongAndOffersTheSignatureAlone)
{
    const auto kept = tap(signatureItem());
    const auto keptText = tap(item("TextBox"));
    const auto doomed = tap(signatureItem());
    const auto doomedText = tap(item("TextBox"));
    const auto doomedCheck = tap(item("CheckBox"));
    ASSERT_TRUE(kept && keptText && doomed && doomedText && doomedCheck);

    viewer()->deleteSignature();

    EXPECT_EQ(viewer()->markedSignature(), nullptr);
    EXPECT_FALSE(panel()->shouldEnable.back());
    EXPECT_EQ(transaction->documents()[0]->elements(), (std::vector<std::shared_ptr<ZKElement>>{kept, keptText}));
    EXPECT_EQ(viewer()->elementViews().size(), 2u);
    EXPECT_EQ(storedElements(0).size(), 2u);
    EXPECT_FALSE(tap(item("TextBox")));
}

TEST_F(MarkedSignatureTest, ShowingAnotherDocumentDisablesTheFieldsAndForgetsTheMark)
{
    ASSERT_TRUE(tap(signatureItem()));
    hub()->setDocumentIndex(0);
    hub()->setDocumentIndex(5);
    // One past the last document names none: the viewer keeps showing the first.
    hub()->setDocumentIndex(static_cast<int>(transaction->documents().size()));
    EXPECT_TRUE(panel()->calls.empty());
    EXPECT_EQ(hub()->documentIndex(), 0);
    EXPECT_NE(viewer()->markedSignature(), nullptr);

    hub()->setDocumentIndex(1);
    EXPECT_EQ(panel()->calls, std::vector<std::string>{"disableFormFields:YES"});
    EXPECT_EQ(viewer()->markedSignature(), nullptr);
    EXPECT_EQ(viewer()->pages().size(), 1u);
    EXPECT_TRUE(viewer()->elementViews().empty());

    const auto signature = tap(signatureItem());
    ASSERT_TRUE(signature);
    EXPECT_EQ(signature->document(), transaction->documents()[1]);
}

TEST_F(MarkedSignatureTest, ThePagesSettingsActionOpensTheSettingsOfTheEditedField)
{
    const auto opener = std::make_shared<RecordingOpener>();
    ZKFieldSettingsOpener::install(opener);
    ASSERT_TRUE(tap(signatureItem()));
    const auto text = tap(item("TextBox"));
    tapOnPage(text);
    viewOf(text)->removeHandlers();

    viewer()->pages().front()->settingsAction();

    ZKFieldSettingsOpener::install(nullptr);
    EXPECT_EQ(opener->opened, std::vector<std::shared_ptr<ZKElementView>>{viewOf(text)});
}

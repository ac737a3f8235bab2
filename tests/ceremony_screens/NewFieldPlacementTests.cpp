#include "HubTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKTransaction.h"
#include "ui/Screen.h"

#include <cmath>

using hub_testing::HubTest;
using platform::graphics::makeRect;
using platform::graphics::Rect;

namespace {

void expectNear(const Rect& actual, const Rect& expected)
{
    EXPECT_NEAR(actual.minX(), expected.minX(), 1e-6);
    EXPECT_NEAR(actual.minY(), expected.minY(), 1e-6);
    EXPECT_NEAR(actual.width(), expected.width(), 1e-6);
    EXPECT_NEAR(actual.height(), expected.height(), 1e-6);
}

class NewFieldPlacementTest : public HubTest {
protected:
    void SetUp() override
    {
        HubTest::SetUp();
        showHub();
        viewer()->setZoomScale(0.5);
        viewer()->setContentOffset({0, 100});
    }

    // What the panel reports when a drag ends: the field's frame in its root view.
    std::shared_ptr<ZKElement> release(const std::shared_ptr<ZKPrepareFormField>& field, const Rect& frame)
    {
        const auto before = elements().size();
        panel()->delegate()->userDidReleaseFormFieldFieldFrameViewToConvertLocationFrom(field, frame, panel()->view());
        return elements().size() > before ? elements().back() : nullptr;
    }

    const std::vector<std::shared_ptr<ZKElement>>& elements() const { return transaction->documents()[0]->elements(); }

    // Where an element of the first document lies on the viewer's screen.
    Rect onScreen(const ZKElement& element) const
    {
        const auto& page = viewer()->pageStack().pageFrames()[static_cast<std::size_t>(element.page())];
        const double zoom = viewer()->zoomScale();
        const auto offset = viewer()->contentOffset();
        return makeRect((page.minX() + element.frame().minX()) * zoom - offset.x,
                        (page.minY() + element.frame().minY()) * zoom - offset.y, element.frame().width() * zoom,
                        element.frame().height() * zoom);
    }
};

} // namespace

TEST_F(NewFieldPlacementTest, AReleasedFieldIsShiftedInPortraitAndScaledByTheZoomExceptChecksAndRadios)
{
    // The panel lies exactly over the viewer, so its frames are the viewer's; the pages
    // start right of the panel's minimised column.
    ASSERT_EQ(panel()->view()->frame(), viewer()->view()->frame());
    const double column = ZKPrepareFormFieldPanel::minimizedWidth;
    const Rect dropped = makeRect(100, 150, 65, 19);
    const Rect small = makeRect(100, 150, 13.84, 13.84);

    const auto signature = release(signatureItem(), dropped);
    ASSERT_TRUE(signature);
    // (100 - 61 + 5) / 0.5 across, (150 + 100) / 0.5 down, on the first page, which starts
    // 10 points down the document.
    expectNear(signature->frame(), makeRect((100 - column + 5) / 0.5, 490, 130, 38));
    expectNear(onScreen(*signature), makeRect(105, 150, 65, 19));
    EXPECT_EQ(signature->page(), 0);
    EXPECT_EQ(signature->type(), "SIGNATURE");
    EXPECT_EQ(signature->approval(), signature->ident());
    EXPECT_EQ(signature->roles(), std::vector<std::string>{"role-0"});

    const auto check = release(item("CheckBox"), small);
    ASSERT_TRUE(check);
    expectNear(check->frame(), makeRect((100 - column + 5) / 0.5, 490, 13.84, 13.84));
    EXPECT_EQ(check->approval(), signature->ident());

    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    viewer()->setContentOffset({0, 100});
    const auto text = release(item("TextBox"), dropped);
    ASSERT_TRUE(text);
    expectNear(text->frame(), makeRect((100 - column) / 0.5, 490, 130, 38));
    expectNear(onScreen(*text), dropped);
    const auto radio = release(item("Radio"), small);
    ASSERT_TRUE(radio);
    expectNear(radio->frame(), makeRect((100 - column) / 0.5, 490, 13.84, 13.84));

    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);
    settle();
    viewer()->setZoomScale(2);
    viewer()->setContentOffset({0, 0});
    const auto zoomedIn = release(item("TextArea"), dropped);
    ASSERT_TRUE(zoomedIn);
    expectNear(zoomedIn->frame(), makeRect(52.5, 65, 32.5, 9.5));

    // Each is stored with the transaction and shown over its page.
    EXPECT_EQ(storedElements(0).size(), 5u);
    EXPECT_EQ(viewer()->elementViews().size(), 5u);
}

TEST_F(NewFieldPlacementTest, ATappedFieldIsCentredAtAThirdOfThePagesRoomAndStaggeredByTheFieldsOnItsPage)
{
    // The viewer is 375 x 611 below the hub's top bar; the pages show right of the
    // panel's minimised column.
    ASSERT_EQ(viewer()->view()->bounds().size, (platform::graphics::Size{375, 611}));
    const double column = ZKPrepareFormFieldPanel::minimizedWidth;
    const double middle = column + (375 - column) / 2;
    const auto signature = tap(signatureItem());
    ASSERT_TRUE(signature);
    // 130 x 38 on screen, centred in the room beside the column, at a third of the height.
    expectNear(onScreen(*signature), makeRect(middle - 65, 611.0 / 3 - 19, 130, 38));
    EXPECT_EQ(signature->frame().size, (platform::graphics::Size{260, 76}));

    const auto text = tap(item("TextBox"));
    ASSERT_TRUE(text);
    expectNear(onScreen(*text), makeRect(middle - 65 + 12, 611.0 / 3 - 19 + 46, 130, 38));
    EXPECT_EQ(text->approval(), signature->ident());

    const auto check = tap(item("CheckBox"));
    ASSERT_TRUE(check);
    // 13.84 points on the page at every zoom; two fields before it on the page.
    EXPECT_EQ(check->frame().size, (platform::graphics::Size{13.84, 13.84}));
    expectNear(onScreen(*check), makeRect(middle - 3.46 + 24, 611.0 / 3 - 3.46 + 92, 6.92, 6.92));
}

TEST_F(NewFieldPlacementTest, ManyFieldsOnThePageStillLeaveATappedOneOnScreen)
{
    ASSERT_TRUE(tap(signatureItem()));
    for (int count = 0; count < 30; ++count) {
        ASSERT_TRUE(tap(item("TextBox")));
    }
    const auto last = tap(item("TextBox"));
    ASSERT_TRUE(last);
    const Rect visible = viewer()->view()->bounds();
    const Rect shown = onScreen(*last);
    EXPECT_GE(shown.minX(), visible.minX() - 1e-6);
    EXPECT_GE(shown.minY(), visible.minY() - 1e-6);
    EXPECT_LE(shown.maxX(), visible.maxX() + 1e-6);
    EXPECT_LE(shown.maxY(), visible.maxY() + 1e-6);
}

TEST_F(NewFieldPlacementTest, WithoutAMarkedSignatureOnlyASignatureCanBePlaced)
{
    EXPECT_FALSE(tap(item("TextBox")));
    EXPECT_FALSE(release(item("CheckBox"), makeRect(100, 150, 13.84, 13.84)));
    EXPECT_TRUE(elements().empty());
    EXPECT_EQ(viewer()->markedSignature(), nullptr);

    const auto signature = tap(signatureItem());
    ASSERT_TRUE(signature);
    EXPECT_EQ(viewer()->markedSignature(), signature);
    EXPECT_TRUE(tap(item("TextBox")));
}

#include "PanelTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "ceremony/screens/ZKPrepareFormFieldDelegate.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKCurrentSignerTableViewCell.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"
#include "fields/ZKBorderedView.h"
#include "fields/ZKElementView.h"
#include "model/ZKElement.h"
#include "ui/Screen.h"
#include "ui/ScrollView.h"

using panel_testing::PanelTest;
using platform::graphics::makeRect;
using platform::graphics::Point;
using platform::graphics::Rect;

namespace {

constexpr int signatureItem = 0;
constexpr int signerNameItem = 2;
constexpr int textFieldItem = 5;
constexpr int checkBoxItem = 7;

class RecordingDelegate : public ZKPrepareFormFieldDelegate {
public:
    void userDidBeginDraggingFormField(const std::shared_ptr<ZKPrepareFormField>& field) override
    {
        begun.push_back(field);
    }
    void userDidReleaseFormFieldFieldFrameViewToConvertLocationFrom(const std::shared_ptr<ZKPrepareFormField>& field,
                                                                    const Rect& frame,
                                                                    const std::shared_ptr<platform::ui::View>& view) override
    {
        released.push_back({field, frame, view});
    }
    void userDidTapOnFormFieldViewToConvertLocationFrom(const std::shared_ptr<ZKPrepareFormField>& field,
                                                        const std::shared_ptr<platform::ui::View>&) override
    {
        tapped.push_back(field);
    }
    void userDidSelectNewParticipantAtIndex(long) override {}

    struct Release {
        std::shared_ptr<ZKPrepareFormField> field;
        Rect frame;
        std::shared_ptr<platform::ui::View> view;
    };
    std::vector<std::shared_ptr<ZKPrepareFormField>> begun;
    std::vector<Release> released;
    std::vector<std::shared_ptr<ZKPrepareFormField>> tapped;
};

class DragPlaceTest : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        showHub();
    }

    void record()
    {
        recorder = std::make_shared<RecordingDelegate>();
        panel()->setDelegate(recorder);
    }

    Point inWindow(const Point& inRoot) const { return panel()->view()->convertPointTo(inRoot, nullptr); }
    platform::graphics::Size rootSize() const { return panel()->view()->bounds().size; }
    Rect floatingFrame() const { return panel()->draggedFieldView.lock()->frame(); }

    // Where a finger presses a palette item: on its glyph while only the icon column shows.
    Point paletteItemPoint(int index) const
    {
        const auto row = paletteRow(index);
        const bool maximized = panel()->tableSizeState() == ZKPrepareFormFieldViewController::maximized;
        return fingers->centerOf(maximized ? static_cast<const platform::ui::View&>(*row) : *row->rightSignatureFieldIcon.lock());
    }

    // Presses at `start` and moves right past the pan's threshold: a drag begins there if
    // it may. The finger stays down.
    std::shared_ptr<platform::ui::Touch> pressAndPull(const Point& start)
    {
        const auto touch = fingers->touchDown(start);
        for (const double step : {4.0, 8.0, 12.0}) {
            platform::ui::TouchInjector::wait(0.02);
            fingers->touchMove(touch, {start.x + step, start.y});
        }
        return touch;
    }

    // Moves a held finger to a point of the panel's root view in small steps.
    void moveTo(const std::shared_ptr<platform::ui::Touch>& touch, const Point& from, const Point& inRoot)
    {
        const Point to = inWindow(inRoot);
        constexpr int steps = 8;
        for (int step = 1; step <= steps; ++step) {
            const double part = static_cast<double>(step) / steps;
            platform::ui::TouchInjector::wait(0.03);
            fingers->touchMove(touch, {from.x + (to.x - from.x) * part, from.y + (to.y - from.y) * part});
        }
    }

    // Drags a palette item to a point of the root view and lets go there.
    void drag(int index, const Point& inRoot)
    {
        const Point start = paletteItemPoint(index);
        const auto touch = pressAndPull(start);
        moveTo(touch, {start.x + 12, start.y}, inRoot);
        fingers->touchUp(touch);
    }

    // The viewer places a signature 5 points right of where its floating field was let go.
    void expectSignatureLetGoAt(const std::shared_ptr<ZKElement>& signature, const Point& inRoot) const
    {
        const auto onScreen = viewOf(signature)->convertRectTo(viewOf(signature)->bounds(), panel()->view().get());
        EXPECT_NEAR(onScreen.minX(), inRoot.x + 22 - 65 + 5, 0.01);
        EXPECT_NEAR(onScreen.minY(), inRoot.y - 19, 0.01);
        EXPECT_NEAR(onScreen.width(), 130, 0.01);
    }

    std::shared_ptr<RecordingDelegate> recorder;
};

} // namespace

TEST_F(DragPlaceTest, ADragBeginsOnlyOnAUsablePaletteItem)
{
    record();
    // The title bar, above the rows.
    const auto emptySpace = inWindow({30, 20});
    for (const Point start : {paletteItemPoint(textFieldItem), fingers->centerOf(*currentSignerRow()->signerInitialsLabel.lock()),
                              emptySpace}) {
        fingers->touchUp(pressAndPull(start));
        settle();
    }
    EXPECT_TRUE(recorder->begun.empty());
    EXPECT_TRUE(recorder->released.empty());
    EXPECT_EQ(panel()->draggedField(), nullptr);

    const auto palette = panel()->view()->convertPointFrom(paletteItemPoint(checkBoxItem), nullptr);
    EXPECT_EQ(panel()->itemForTouchWithLocation(palette), (platform::ui::IndexPath{2, checkBoxItem}));
    const auto signer = panel()->view()->convertPointFrom(fingers->centerOf(*currentSignerRow()), nullptr);
    EXPECT_EQ(panel()->itemForTouchWithLocation(signer), (platform::ui::IndexPath{0, 0}));
    EXPECT_EQ(panel()->itemForTouchWithLocation(panel()->view()->convertPointFrom(emptySpace, nullptr)),
              (platform::ui::IndexPath{-1, -1}));

    // A leftward pull never carries an item off.
    const Point start = paletteItemPoint(signatureItem);
    fingers->pan({start, {start.x - 6, start.y}, {start.x - 14, start.y}, {start.x - 30, start.y}});
    settle();
    EXPECT_TRUE(recorder->begun.empty());
}

TEST_F(DragPlaceTest, TheFloatingFieldFollowsBesideTheFingerAndStaysInsideTheRootView)
{
    record();
    const Point start = paletteItemPoint(signatureItem);
    const auto touch = pressAndPull(start);
    ASSERT_EQ(recorder->begun.size(), 1u);
    EXPECT_EQ(recorder->begun[0]->fieldType(), "SIGNATURE");
    settle(0.3);
    const auto dragged = panel()->draggedFieldView.lock();
    EXPECT_FALSE(dragged->isHidden());
    EXPECT_EQ(dragged->alpha(), 1);
    EXPECT_EQ(panel()->tableSizeState(), ZKPrepareFormFieldViewController::hidden);
    EXPECT_FALSE(panel()->horizontalGridView.lock()->isHidden());
    EXPECT_EQ(panel()->leftFieldIcon.lock()->text(), panel()->formFields()[0]->fieldIcon());

    const auto size = rootSize();
    Point from{start.x + 12, start.y};
    moveTo(touch, from, {100, 300});
    // Left half: 22 points to the right of the finger, the glyph on the far side.
    EXPECT_EQ(floatingFrame(), makeRect(100 + 22 - 65, 300 - 19, 130, 38));
    EXPECT_TRUE(panel()->leftFieldIcon.lock()->isHidden());
    EXPECT_FALSE(panel()->rightFieldIcon.lock()->isHidden());
    // The guides cross at the field's middle.
    EXPECT_EQ(panel()->horizontalGridView.lock()->frame().midY(), 300);
    EXPECT_EQ(panel()->verticalGridView.lock()->frame().midX(), 100 + 22);
    EXPECT_TRUE(panel()->horizontalGridView.lock()->isBorderShown());
    EXPECT_FALSE(panel()->horizontalGridView.lock()->isLineShown());

    from = inWindow({100, 300});
    moveTo(touch, from, {size.width - 2, 300});
    EXPECT_EQ(floatingFrame().maxX(), size.width);
    EXPECT_FALSE(panel()->leftFieldIcon.lock()->isHidden());
    EXPECT_TRUE(panel()->rightFieldIcon.lock()->isHidden());

    from = inWindow({size.width - 2, 300});
    moveTo(touch, from, {1, 1});
    EXPECT_EQ(floatingFrame().origin, (Point{0, 0}));
    moveTo(touch, inWindow({1, 1}), {200, size.height});
    EXPECT_EQ(floatingFrame().maxY(), size.height);
    const Rect last = floatingFrame();
    fingers->touchUp(touch);

    ASSERT_EQ(recorder->released.size(), 1u);
    EXPECT_EQ(recorder->released[0].frame, last);
    EXPECT_EQ(recorder->released[0].view, panel()->view());
    settle();
    EXPECT_TRUE(dragged->isHidden());
    EXPECT_TRUE(panel()->horizontalGridView.lock()->isHidden());
    EXPECT_TRUE(panel()->verticalGridView.lock()->isHidden());
}

TEST_F(DragPlaceTest, ACheckBoxIsPlacedUnderTheFingerAtItsOwnSize)
{
    record();
    panel()->setShouldEnableNonPrimaryFormFields(true);
    settle();
    const Point start = paletteItemPoint(checkBoxItem);
    const auto touch = pressAndPull(start);
    settle(0.3);
    moveTo(touch, {start.x + 12, start.y}, {150, 250});
    // The floating copy is what lands, where it lands; the guides are light grey.
    const Rect floating = floatingFrame();
    EXPECT_NEAR(floating.minX(), 150 - 7, 1e-9);
    EXPECT_NEAR(floating.minY(), 250 - 6.92, 1e-9);
    EXPECT_NEAR(floating.width(), 13.84, 1e-9);
    EXPECT_NEAR(floating.height(), 13.84, 1e-9);
    EXPECT_EQ(panel()->verticalGridView.lock()->borderColor(), platform::graphics::Color::lightGray());
    EXPECT_EQ(panel()->horizontalGridView.lock()->frame().midY(), 250);
    EXPECT_EQ(panel()->verticalGridView.lock()->frame().midX(), 150);
    EXPECT_TRUE(panel()->verticalGridView.lock()->isLineShown());
    EXPECT_FALSE(panel()->verticalGridView.lock()->isBorderShown());
    moveTo(touch, inWindow({150, 250}), {3, 3});
    fingers->touchUp(touch);
    settle();

    const auto size = rootSize();
    drag(checkBoxItem, {size.width, size.height});
    settle();
    ASSERT_EQ(recorder->released.size(), 2u);
    EXPECT_EQ(recorder->released[0].frame, makeRect(0, 0, 13.84, 13.84));
    EXPECT_EQ(recorder->released[1].frame, makeRect(size.width - 7, size.height - 6.92, 13.84, 13.84));
    EXPECT_EQ(recorder->released[1].field->fieldType(), "CheckBox");
}

TEST_F(DragPlaceTest, DroppingASignatureEnablesTheOtherItemsAndTheSizeComesBack)
{
    record();
    drag(textFieldItem, {200, 300});
    settle();
    EXPECT_TRUE(recorder->released.empty());
    // That was a right swipe on the panel.
    panel()->minimizePanelWithCompletionHandler(nullptr);
    settle();

    drag(signatureItem, {200, 300});
    settle();
    EXPECT_TRUE(panel()->shouldEnableNonPrimaryFormFields());
    EXPECT_TRUE(isUsable(textFieldItem));
    EXPECT_EQ(panel()->tableSizeState(), ZKPrepareFormFieldViewController::minimized);

    // Begun minimised with the signers open: minimised again, the signers closed.
    panel()->expandSignersSection();
    settle();
    ASSERT_EQ(panel()->tableType(), ZKPrepareFormFieldViewController::signersOpen);
    drag(textFieldItem, {200, 300});
    settle();
    EXPECT_EQ(recorder->released.size(), 2u);
    EXPECT_EQ(panel()->tableSizeState(), ZKPrepareFormFieldViewController::minimized);
    EXPECT_EQ(panel()->tableType(), ZKPrepareFormFieldViewController::signersClosed);
    EXPECT_EQ(bodyX(), ZKPrepareFormFieldViewController::minimizedBodyConstant);

    panel()->maximizePanelWithCompletionHandler(nullptr);
    settle();
    drag(textFieldItem, {200, 300});
    settle();
    EXPECT_EQ(recorder->released.size(), 3u);
    EXPECT_EQ(panel()->tableSizeState(), ZKPrepareFormFieldViewController::maximized);
    EXPECT_EQ(bodyX(), 0);
}

TEST_F(DragPlaceTest, EveryReleaseIsReportedAndAGoneDelegateIsNoFault)
{
    record();
    // Cancelled halfway.
    const Point start = paletteItemPoint(signatureItem);
    const auto touch = pressAndPull(start);
    settle(0.3);
    panel()->panGesture->setEnabled(false);
    panel()->panGesture->setEnabled(true);
    fingers->touchUp(touch);
    ASSERT_EQ(recorder->released.size(), 1u);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), ZKPrepareFormFieldViewController::minimized);

    // Let go before the floating field came: it does not come afterwards.
    fingers->touchUp(pressAndPull(paletteItemPoint(signatureItem)));
    settle();
    EXPECT_EQ(recorder->released.size(), 2u);
    EXPECT_TRUE(panel()->draggedFieldView.lock()->isHidden());
    EXPECT_TRUE(panel()->horizontalGridView.lock()->isHidden());
    EXPECT_EQ(panel()->tableSizeState(), ZKPrepareFormFieldViewController::minimized);

    recorder.reset();
    drag(signatureItem, {200, 300});
    tapPaletteItem(signatureItem);
    settle();
    EXPECT_EQ(panel()->tableSizeState(), ZKPrepareFormFieldViewController::minimized);
    EXPECT_TRUE(elements().empty());
}

TEST_F(DragPlaceTest, TheViewerStoresTheDroppedFieldWhereItWasLetGo)
{
    drag(signatureItem, {150, 200});
    settle();
    ASSERT_EQ(elements().size(), 1u);
    const auto signature = elements()[0];
    EXPECT_EQ(signature->type(), "SIGNATURE");
    EXPECT_EQ(signature->page(), 0);
    expectSignatureLetGoAt(signature, {150, 200});

    drag(signerNameItem, {150, 300});
    drag(checkBoxItem, {150, 400});
    settle();
    ASSERT_EQ(elements().size(), 3u);
    EXPECT_EQ(elements()[1]->type(), "TextBox");
    EXPECT_EQ(elements()[1]->autofill(), "{signer.name}");
    EXPECT_EQ(elements()[1]->approval(), signature->ident());
    EXPECT_EQ(elements()[2]->type(), "CheckBox");
    EXPECT_EQ(elements()[2]->approval(), signature->ident());
    EXPECT_NEAR(elements()[2]->frame().width(), 13.84, 1e-9);
    EXPECT_NEAR(elements()[2]->frame().height(), 13.84, 1e-9);
}

TEST_F(DragPlaceTest, OnAZoomedPageScrolledSidewaysTheFieldLandsWhereItWasLetGo)
{
    const auto viewer = hub()->pdfViewController();
    viewer->setZoomScale(2);
    settle();
    const auto scroll = viewer->scrollView();
    scroll->setContentOffset({scroll->contentOffset().x + 120, scroll->contentOffset().y + 40});
    ASSERT_GT(viewer->contentOffset().x, 0);

    drag(signatureItem, {150, 200});
    settle();
    ASSERT_EQ(elements().size(), 1u);
    expectSignatureLetGoAt(elements()[0], {150, 200});
}

TEST_F(DragPlaceTest, TurnedMidDragTheFloatingFieldAndGuidesComeBackBesideTheFingerAndLandThere)
{
    record();
    const Point start = paletteItemPoint(signatureItem);
    const auto touch = pressAndPull(start);
    moveTo(touch, {start.x + 12, start.y}, {100, 300});
    settle(0.3);

    for (const auto orientation :
         {platform::ui::InterfaceOrientation::landscapeLeft, platform::ui::InterfaceOrientation::portrait}) {
        platform::ui::Screen::main().setOrientation(orientation);
        settle(0.3);
        const Point finger = panel()->view()->convertPointFrom(touch->locationInWindow, nullptr);
        const Rect field = floatingFrame();
        EXPECT_EQ(field.midY(), finger.y);
        EXPECT_EQ(field.minX(), finger.x + 22 - 65);
        EXPECT_EQ(panel()->horizontalGridView.lock()->frame().midY(), field.midY());
        EXPECT_EQ(panel()->verticalGridView.lock()->frame().midX(), field.midX());
    }
    const Rect last = floatingFrame();
    fingers->touchUp(touch);
    ASSERT_EQ(recorder->released.size(), 1u);
    EXPECT_EQ(recorder->released[0].frame, last);
}

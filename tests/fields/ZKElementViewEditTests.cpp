#include "FieldsTest.h"

#include "fields/ZKContextMenuView.h"
#include "fields/ZKElementView.h"
#include "fields/ZKElementViewDelegate.h"
#include "fields/ZKElementViewFactory.h"
#include "fields/ZKFieldSettingsOpener.h"
#include "foundation/RunLoop.h"
#include "ui/TouchInjector.h"

using fields_testing::FieldsTest;
using platform::graphics::makeRect;

namespace {

class RecordingDelegate : public ZKElementViewDelegate {
public:
    void elementViewDidBeginPositionEdit(ZKElementView& view) override { began.push_back(&view); }
    std::vector<ZKElementView*> began;
};

// Stands in for the designer's settings screens and notes what they would see.
class RecordingOpener : public ZKFieldSettingsOpener {
public:
    void showForElementView(const std::shared_ptr<ZKElementView>& view) override
    {
        opened.push_back(view);
        editedWhenOpened = ZKElementView::editedElementView();
        handlesShownWhenOpened = view && view->areHandlersShown();
    }
    std::vector<std::shared_ptr<ZKElementView>> opened;
    std::shared_ptr<ZKElementView> editedWhenOpened;
    bool handlesShownWhenOpened = true;
};

class ElementViewEditTest : public FieldsTest {
protected:
    void SetUp() override
    {
        FieldsTest::SetUp();
        delegate = std::make_shared<RecordingDelegate>();
    }

    void TearDown() override
    {
        ZKFieldSettingsOpener::install(nullptr);
        FieldsTest::TearDown();
    }

    std::shared_ptr<ZKElementView> placedField(const std::string& type, const platform::graphics::Rect& frame,
                                               bool designMode = true)
    {
        auto view = ZKElementViewFactory::elementViewForElement(addElement(0, type, "sig-a", frame));
        view->setDesignMode(designMode);
        view->setDelegate(delegate);
        page->addSubview(view);
        return view;
    }

    static void advance(double seconds) { platform::RunLoop::main().advance(seconds); }

    std::shared_ptr<RecordingDelegate> delegate;
    platform::ui::TouchInjector fingers() const { return platform::ui::TouchInjector(window); }
};

} // namespace

TEST_F(ElementViewEditTest, ATapInDesignModeShowsHandlesAndMenuForFiveSecondsAndKeepsTheFieldEdited)
{
    const auto field = placedField("TextBox", makeRect(100, 200, 130, 38));
    fingers().tap(*field);

    ASSERT_TRUE(field->areHandlersShown());
    for (const auto& handle : field->handles()) {
        EXPECT_FALSE(handle->isHidden());
    }
    EXPECT_EQ(ZKElementView::editedElementView(), field);
    ASSERT_EQ(delegate->began.size(), 1u);
    EXPECT_EQ(delegate->began.front(), field.get());
    const auto& menu = field->contextMenu();
    EXPECT_TRUE(menu->isShown());
    EXPECT_FALSE(menu->isHidden());
    EXPECT_EQ(menu->superview(), page);
    EXPECT_LT(menu->frame().maxY(), field->frame().minY());

    advance(ZKElementView::handlesOpenSeconds - 0.1);
    EXPECT_TRUE(field->areHandlersShown());
    advance(0.2);
    EXPECT_FALSE(field->areHandlersShown());
    EXPECT_TRUE(field->handles().front()->isHidden());
    EXPECT_FALSE(menu->isShown());
    EXPECT_TRUE(menu->isHidden());
    EXPECT_EQ(ZKElementView::editedElementView(), field);
}

TEST_F(ElementViewEditTest, ANewEditRestartsTheCloseAndAnotherFieldTakesTheEditOver)
{
    const auto first = placedField("TextBox", makeRect(100, 200, 130, 38));
    const auto second = placedField("CheckBox", makeRect(40, 2, 13.84, 13.84));
    fingers().tap(*first);
    advance(3);
    fingers().tap(*first);
    advance(3);
    EXPECT_TRUE(first->areHandlersShown());

    fingers().tap(*second);
    EXPECT_FALSE(first->areHandlersShown());
    EXPECT_TRUE(first->contextMenu()->isHidden());
    EXPECT_TRUE(second->areHandlersShown());
    EXPECT_EQ(ZKElementView::editedElementView(), second);
    // No room above a field at the top of the page: its menu goes below it.
    EXPECT_GT(second->contextMenu()->frame().minY(), second->frame().maxY());
    EXPECT_EQ(delegate->began.size(), 3u);
}

TEST_F(ElementViewEditTest, OutsideDesignModeATapEditsNothing)
{
    const auto field = placedField("TextBox", makeRect(100, 200, 130, 38), false);
    fingers().tap(*field);
    EXPECT_FALSE(field->areHandlersShown());
    EXPECT_EQ(ZKElementView::editedElementView(), nullptr);
    EXPECT_TRUE(delegate->began.empty());
}

TEST_F(ElementViewEditTest, TheSettingsButtonDropsTheHandlesThenOpensTheSettingsOfTheEditedField)
{
    const auto opener = std::make_shared<RecordingOpener>();
    ZKFieldSettingsOpener::install(opener);
    const auto field = placedField("TextArea", makeRect(100, 200, 130, 76));
    fingers().tap(*field);
    fingers().tap(*field->contextMenu()->settingsBtn());

    ASSERT_EQ(opener->opened.size(), 1u);
    EXPECT_EQ(opener->opened.front(), field);
    EXPECT_EQ(opener->editedWhenOpened, field);
    EXPECT_FALSE(opener->handlesShownWhenOpened);
    EXPECT_FALSE(field->contextMenu()->isShown());
    EXPECT_TRUE(field->contextMenu()->isHidden());
}

TEST_F(ElementViewEditTest, ARemovedFieldTakesItsMenuAlongAndIsNoLongerEdited)
{
    auto field = placedField("TextBox", makeRect(100, 200, 130, 38));
    fingers().tap(*field);
    const std::weak_ptr<ZKContextMenuView> menu = field->contextMenu();
    field->removeFromSuperview();
    EXPECT_EQ(menu.lock()->superview(), nullptr);
    field.reset();
    EXPECT_EQ(ZKElementView::editedElementView(), nullptr);
}

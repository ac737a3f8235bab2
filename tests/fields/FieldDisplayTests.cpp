#include "FieldsTest.h"

#include "fields/ZKBorderedView.h"
#include "fields/ZKCheckBox.h"
#include "fields/ZKElementViewFactory.h"
#include "fields/ZKLabel.h"
#include "fields/ZKList.h"
#include "fields/ZKTextArea.h"
#include "fields/ZKTextField.h"

#include <tuple>

using fields_testing::FieldsTest;
using platform::graphics::makeRect;

namespace {

template <class View>
std::shared_ptr<View> viewOf(const std::shared_ptr<ZKElement>& element)
{
    return std::dynamic_pointer_cast<View>(ZKElementViewFactory::elementViewForElement(element));
}

bool isDark(std::uint32_t argb)
{
    return (argb >> 24) > 0x40 && ((argb >> 16) & 0xff) < 0xc0 && ((argb >> 8) & 0xff) < 0xc0 && (argb & 0xff) < 0xc0;
}

} // namespace

TEST_F(FieldsTest, EachKindOfElementGetsTheViewClassThatSelectsItsSettings)
{
    const std::vector<std::tuple<std::string, std::optional<std::string>, std::string>> kinds{
        {"SIGNATURE", std::nullopt, "ZKSignatureField"},
        {"TextBox", std::nullopt, "ZKTextField"},
        {"TextBox", "{approval.signed}", "ZKDateField"},
        {"TextBox", "{signer.name}", "ZKStaticField"},
        {"TextBox", "{signer.company}", "ZKStaticField"},
        {"TextArea", std::nullopt, "ZKTextArea"},
        {"label", std::nullopt, "ZKLabel"},
        {"CheckBox", std::nullopt, "ZKCheckBox"},
        {"Radio", std::nullopt, "ZKRadio"},
        {"List", std::nullopt, "ZKList"},
        {"dateEntryField", std::nullopt, "ZKDateInputField"},
        {"Selector", std::nullopt, "ZKSelectorField"},
        {"Switch", std::nullopt, "ZKSwitch"},
        {"somethingNew", std::nullopt, "ZKStaticField"},
    };
    for (const auto& [type, autofill, className] : kinds) {
        const auto element = addElement(0, type, "sig-a", makeRect(10, 20, 130, 38));
        element->setAutofill(autofill);
        const auto view = ZKElementViewFactory::elementViewForElement(element);
        ASSERT_TRUE(view);
        EXPECT_EQ(view->className(), className) << type;
        EXPECT_EQ(view->frame(), makeRect(10, 20, 130, 38));
        EXPECT_EQ(view->element(), element);
    }
    EXPECT_EQ(ZKElementViewFactory::elementViewForElement(nullptr), nullptr);
}

TEST_F(FieldsTest, DisplayViewsShowTheValueOrNameTheKindOfField)
{
    const auto textElement = addElement(0, "TextBox", "sig-a", makeRect(0, 0, 130, 38));
    const auto text = viewOf<ZKTextField>(textElement);
    EXPECT_EQ(text->textFieldView()->signingModeTextField()->text(), "");
    EXPECT_EQ(text->textFieldView()->signingModeTextField()->placeholder(), "Text Field");
    textElement->setContent("Flat 4");
    text->update();
    EXPECT_EQ(text->textFieldView()->signingModeTextField()->text(), "Flat 4");

    const auto areaElement = addElement(0, "TextArea", "sig-a", makeRect(0, 0, 130, 76));
    const auto area = viewOf<ZKTextArea>(areaElement);
    EXPECT_EQ(area->textAreaDisplayView()->signingModeLabel()->text(), "Text Area");
    areaElement->setContent("Line one\nLine two");
    area->update();
    EXPECT_EQ(area->textAreaDisplayView()->signingModeLabel()->text(), "Line one\nLine two");
    EXPECT_EQ(area->textAreaDisplayView()->signingModeLabel()->numberOfLines(), 0);

    const auto labelElement = addElement(0, "label", "sig-a", makeRect(0, 0, 130, 38));
    labelElement->setContent("Tenant");
    EXPECT_EQ(viewOf<ZKLabel>(labelElement)->labelDisplayView()->signingModeLabel()->text(), "Tenant");
}

TEST_F(FieldsTest, ChoiceDisplaysRedrawFromTheElementWhenAsked)
{
    const auto boxElement = addElement(0, "CheckBox", "sig-a", makeRect(0, 0, 13.84, 13.84));
    const auto box = viewOf<ZKCheckBox>(boxElement);
    EXPECT_FALSE(box->checkboxDisplayView()->isChecked());
    boxElement->setContent("1");
    EXPECT_FALSE(box->checkboxDisplayView()->isChecked());
    box->checkboxDisplayView()->updateAppearance();
    EXPECT_TRUE(box->checkboxDisplayView()->isChecked());

    const auto listElement = addElement(0, "List", "sig-a", makeRect(0, 0, 130, 38));
    const auto list = viewOf<ZKList>(listElement);
    EXPECT_EQ(list->listDisplayView()->signingModeLabel()->text(), "List");
    listElement->setContent("Blue");
    list->setValue("ignored");
    EXPECT_EQ(list->listDisplayView()->signingModeLabel()->text(), "Blue");
}

TEST(ZKBorderedViewTest, TheLineTypeChoosesTheGuideAndEachGuideShowsAndHidesOnItsOwn)
{
    ZKBorderedView guide;
    guide.setFrame(makeRect(0, 0, 100, 40));
    const std::vector<std::pair<int, std::pair<platform::graphics::Point, platform::graphics::Point>>> lines{
        {0, {{0, 0}, {100, 0}}},   {1, {{0, 20}, {100, 20}}}, {2, {{0, 40}, {100, 40}}},
        {3, {{0, 0}, {0, 40}}},    {4, {{50, 0}, {50, 40}}},  {5, {{100, 0}, {100, 40}}},
        {6, {{0, 40}, {100, 40}}}, {-1, {{0, 40}, {100, 40}}},
    };
    for (const auto& [type, segment] : lines) {
        guide.setLineType(type);
        EXPECT_EQ(guide.lineSegment(), segment) << type;
    }

    guide.setLineType(ZKBorderedView::lineCentralHorizontal);
    guide.setBorderColor(platform::graphics::Color::black());
    guide.setApplyPatternOnBorder(false);
    guide.setApplyPatternOnLine(true);
    auto image = guide.snapshotImage(1);
    // Across the inside, clear of the border's left and right edges.
    const auto darkCount = [&](int y) {
        int dark = 0;
        for (int x = 2; x < 98; ++x) {
            dark += isDark(image->pixelAt(x, y)) ? 1 : 0;
        }
        return dark;
    };
    // Dashes: most, not all, of the line is drawn.
    EXPECT_GT(darkCount(20), 40);
    EXPECT_LT(darkCount(20), 90);
    EXPECT_EQ(darkCount(0), 0);

    guide.setApplyPatternOnLine(false);
    guide.setApplyPatternOnBorder(true);
    EXPECT_FALSE(guide.isLineShown());
    EXPECT_TRUE(guide.isBorderShown());
    image = guide.snapshotImage(1);
    EXPECT_EQ(darkCount(20), 0);
    EXPECT_GT(darkCount(0), 40);
}

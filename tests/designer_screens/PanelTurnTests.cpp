#include "FieldSettingsTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"
#include "designer/screens/ZKSignatureFieldsTableViewCell.h"
#include "designer/screens/ZKTextFieldSettingsVC.h"
#include "ui/Screen.h"

using designer_screens_testing::FieldSettingsTest;
using Panel = ZKPrepareFormFieldViewController;
using platform::ui::InterfaceOrientation;

namespace {

class PanelTurnTest : public FieldSettingsTest {
protected:
    std::shared_ptr<Panel> panel() const { return std::dynamic_pointer_cast<Panel>(hub()->formFieldVC()); }

    static void turn(InterfaceOrientation orientation)
    {
        platform::ui::Screen::main().setOrientation(orientation);
    }

    void cover() { ASSERT_NE(open<ZKTextFieldSettingsVC>(field), nullptr); }
    void comeBack() { cancel(*shown<ZKTextFieldSettingsVC>()); }

    // Every palette item, upright with the panel minimised, shows its glyph in the icon
    // column and keeps its name, as on a panel opened fresh.
    void expectEveryItemInTheIconColumn()
    {
        settle();
        ASSERT_EQ(panel()->tableSizeState(), Panel::minimized);
        const auto list = std::dynamic_pointer_cast<ZKSignatureFieldsTableViewCell>(
            panel()->fieldsTableView()->cellForRow({0, 2}));
        ASSERT_NE(list, nullptr);
        const auto& items = panel()->formFields();
        for (std::size_t index = 0; index < items.size(); ++index) {
            SCOPED_TRACE(items[index]->fieldDescription());
            const auto row = std::dynamic_pointer_cast<ZKSignatureFieldTableViewCell>(
                list->signatureFieldsTableView.lock()->cellForRow({0, static_cast<int>(index)}));
            ASSERT_NE(row, nullptr);
            const auto glyph = row->rightSignatureFieldIcon.lock();
            EXPECT_EQ(glyph->text(), items[index]->fieldIcon());
            EXPECT_EQ(glyph->alpha(), 1);
            EXPECT_EQ(row->leftSignatureFieldIcon.lock()->alpha(), 0);
            EXPECT_EQ(row->signatureFieldDescriptionLabel.lock()->text(), items[index]->fieldDescription());
        }
    }

    std::shared_ptr<ZKElement> field;
};

} // namespace

TEST_F(PanelTurnTest, EveryPaletteItemKeepsItsIconAfterTurnsMadeWhileASettingsScreenCoveredTheDraft)
{
    field = place("TextBox");
    ASSERT_NE(field, nullptr);
    expectEveryItemInTheIconColumn();

    // Turned on its side under the screen, back upright under it, then uncovered.
    cover();
    turn(InterfaceOrientation::landscapeLeft);
    settle();
    turn(InterfaceOrientation::portrait);
    settle();
    comeBack();
    expectEveryItemInTheIconColumn();

    // Uncovered on its side, then turned upright.
    cover();
    turn(InterfaceOrientation::landscapeRight);
    settle();
    comeBack();
    turn(InterfaceOrientation::portrait);
    expectEveryItemInTheIconColumn();

    // Maximised on its side, minimised again upright.
    turn(InterfaceOrientation::landscapeLeft);
    settle();
    tap(*panel()->rightSideMenuButton.lock());
    settle();
    turn(InterfaceOrientation::portrait);
    settle();
    tap(*panel()->rightSideMenuButton.lock());
    expectEveryItemInTheIconColumn();
}

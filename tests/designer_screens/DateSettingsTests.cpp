#include "FieldSettingsTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "designer/ZKDesignerHelper.h"
#include "designer/screens/ZKDateInputSettingsViewController.h"
#include "foundation/Date.h"
#include "foundation/Environment.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"

using designer_screens_testing::FieldSettingsTest;

namespace {

// 30 December 2024, a Monday, at noon UTC: its week-based year is 2025.
const platform::Date lastMondayOf2024(1735560000);

class DateSettingsTest : public FieldSettingsTest {
protected:
    void SetUp() override
    {
        FieldSettingsTest::SetUp();
        platform::Environment::setLocale("en_US");
        platform::Environment::setTimeZone("UTC");
        platform::Date::pinNow(lastMondayOf2024);
    }

    std::optional<int> selectedRow(ZKDateInputSettingsViewController& screen) const
    {
        const auto row = screen.formatListTableView->indexPathForSelectedRow();
        return row ? std::optional<int>(row->row) : std::nullopt;
    }

    void tapRow(ZKDateInputSettingsViewController& screen, int row)
    {
        tap(*screen.formatListTableView->cellForRow({0, row}));
    }

    static std::shared_ptr<platform::ui::ScrollView> formOf(const platform::ui::View& entry)
    {
        for (auto view = entry.superview(); view; view = view->superview()) {
            if (auto form = std::dynamic_pointer_cast<platform::ui::ScrollView>(view)) {
                return form;
            }
        }
        return nullptr;
    }
};

} // namespace

TEST_F(DateSettingsTest, AFieldWithoutAPatternOrWithAnUnknownOneStoresTheFirst)
{
    const auto element = place("dateEntryField");
    const auto screen = open<ZKDateInputSettingsViewController>(element);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(selectedRow(*screen), 0);
    // The week-based year of the last days of December is the next one.
    EXPECT_EQ(screen->dateExample->text(), "e.g 2025-12-30");
    EXPECT_EQ(screen->fieldName->text(), "");
    save(*screen);
    EXPECT_EQ(hub()->presentedViewController(), nullptr);
    EXPECT_EQ(stored(element)->validation()->pattern(), "YYYY-MM-dd");
    EXPECT_EQ(stored(element)->name(), "");

    // An unknown stored pattern selects no row but shows its example.
    element->validation()->setPattern("yyyy/MM/dd");
    element->saveUpdates();
    const auto again = open<ZKDateInputSettingsViewController>(element);
    EXPECT_EQ(selectedRow(*again), std::nullopt);
    EXPECT_EQ(again->dateExample->text(), "e.g 2024/12/30");
    save(*again);
    EXPECT_EQ(stored(element)->validation()->pattern(), "YYYY-MM-dd");
}

TEST_F(DateSettingsTest, ANewFieldStartsWithThePatternOfTheDesignerSettings)
{
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(
        Dictionary{{"datepicker", {{"template", {{"validation", {{"pattern", "dd-MM-YYYY"}, {"required", true}}}}}}}});
    const auto element = place("dateEntryField");
    const auto screen = open<ZKDateInputSettingsViewController>(element);
    EXPECT_EQ(selectedRow(*screen), 3);
    EXPECT_EQ(screen->dateExample->text(), "e.g 30-12-2025");
    EXPECT_TRUE(screen->isRequiredSwitch->isOn());
}

TEST_F(DateSettingsTest, ATappedPatternChangesTheExampleAndIsStoredOnlyBySave)
{
    const auto element = place("dateEntryField");
    const auto nameBefore = element->name();
    auto screen = open<ZKDateInputSettingsViewController>(element);
    tapRow(*screen, 2);
    EXPECT_EQ(screen->dateExample->text(), "e.g 12-30-2025");
    EXPECT_EQ(element->validation()->pattern(), std::nullopt);
    retype(*screen->fieldName, "Moving day");
    cancel(*screen);
    EXPECT_EQ(stored(element)->validation()->pattern(), std::nullopt);
    EXPECT_EQ(stored(element)->name(), nameBefore);

    screen = open<ZKDateInputSettingsViewController>(element);
    EXPECT_EQ(selectedRow(*screen), 0);
    tapRow(*screen, 1);
    retype(*screen->fieldName, " \tMoving day\t ");
    tap(*screen->isRequiredSwitch);
    save(*screen);
    const auto saved = stored(element);
    EXPECT_EQ(saved->validation()->pattern(), "YYYY-dd-MM");
    EXPECT_EQ(saved->name(), "Moving day");
    EXPECT_TRUE(saved->validation()->required());
    EXPECT_EQ(saved->content(), element->content());
}

TEST_F(DateSettingsTest, OnAPhoneOnItsSideTheLastPatternAndTheExampleAreScrolledIntoReach)
{
    const auto element = place("dateEntryField");
    const auto screen = open<ZKDateInputSettingsViewController>(element);
    ASSERT_NE(screen, nullptr);
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    const double screenBottom = window->bounds().maxY();
    ASSERT_GT(screen->dateExample->convertRectTo(screen->dateExample->bounds(), nullptr).maxY(), screenBottom);

    // A drag that begins on the list of patterns moves the form.
    fingers->pan({{300, 330}, {300, 260}, {300, 190}, {300, 120}});
    settle();
    EXPECT_LE(screen->dateExample->convertRectTo(screen->dateExample->bounds(), nullptr).maxY(), screenBottom);
    tapRow(*screen, 3);
    EXPECT_EQ(screen->dateExample->text(), "e.g 30-12-2025");
    save(*screen);
    EXPECT_EQ(stored(element)->validation()->pattern(), "dd-MM-YYYY");
}

TEST_F(DateSettingsTest, ScrolledToItsEndOnItsSideWithTheKeyboardUpAndTurnedUprightTheFormShowsFromItsTop)
{
    const auto screen = open<ZKDateInputSettingsViewController>(place("dateEntryField"));
    ASSERT_NE(screen, nullptr);
    auto& device = platform::ui::Screen::main();
    device.setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    tap(*screen->fieldName);
    ASSERT_TRUE(platform::ui::Keyboard::shared().isVisible());
    const auto form = formOf(*screen->fieldName);
    ASSERT_NE(form, nullptr);
    for (int drag = 0; drag < 5; ++drag) {
        fingers->pan({{300, 330}, {300, 260}, {300, 190}, {300, 120}});
    }
    settle();
    ASSERT_GT(form->contentOffset().y, 0);

    device.setOrientation(platform::ui::InterfaceOrientation::portrait);
    settle();
    const double lastTop = std::max(0.0, form->contentSize().height - form->bounds().height());
    EXPECT_EQ(form->contentOffset().y, lastTop);
    const auto name = screen->fieldName->convertRectTo(screen->fieldName->bounds(), nullptr);
    EXPECT_GE(name.minY(), form->convertRectTo(form->bounds(), nullptr).minY()) << "the name entry is in sight";
    fingers->pressReturn();
    settle();
    ASSERT_FALSE(platform::ui::Keyboard::shared().isVisible());
    EXPECT_EQ(form->contentOffset().y, lastTop) << "the keyboard gone";
}

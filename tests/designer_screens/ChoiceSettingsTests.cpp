#include "FieldSettingsTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "designer/screens/ZKCheckBoxSettingsVC.h"
#include "designer/screens/ZKLabelSettingsVC.h"
#include "designer/screens/ZKListViewSettingsVC.h"
#include "fields/ZKCheckBox.h"
#include "fields/ZKLabel.h"
#include "fields/ZKList.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "ui/Screen.h"

using designer_screens_testing::FieldSettingsTest;
using Items = std::vector<std::string>;

namespace {

class ChoiceSettingsTest : public FieldSettingsTest {
protected:
    bool listMessageShown(ZKListViewSettingsVC& screen) const
    {
        const auto label = screen.errorLabel.lock();
        return !label->isHidden() && label->text() == ZKListViewSettingsVC::defaultNotAnItemMessage;
    }
};

} // namespace

TEST_F(ChoiceSettingsTest, ListItemsDropEmptyLinesAndKeepALineOfBlanksAsAnEmptyItem)
{
    const auto element = place("List");
    const auto screen = open<ZKListViewSettingsVC>(element);
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->listHelpOverlayView->isHidden());
    retype(*screen->listTextView, "Red\n\t Green \n\n\n  \n");
    EXPECT_TRUE(screen->listHelpOverlayView->isHidden());
    retype(*screen->defaultValueTextField, " Green");
    save(*screen);
    const auto saved = stored(element);
    EXPECT_EQ(saved->validation()->enumeration(), (Items{"Red", "Green", ""}));
    EXPECT_EQ(saved->content(), "Green");
    EXPECT_EQ(std::dynamic_pointer_cast<ZKList>(viewOf(element))->listDisplayView()->signingModeLabel()->text(), "Green");

    const auto again = open<ZKListViewSettingsVC>(element);
    EXPECT_EQ(again->listTextView->text(), "Red\nGreen\n\n");
    EXPECT_EQ(again->defaultValueTextField->text(), "Green");
    EXPECT_TRUE(again->listHelpOverlayView->isHidden());
}

TEST_F(ChoiceSettingsTest, TheLastOfFifteenListItemsIsDraggedIntoSightAndEdited)
{
    const auto element = place("List");
    Items items;
    std::string typed;
    for (int item = 1; item <= 15; ++item) {
        items.push_back("Colour " + std::to_string(item));
        typed += items.back() + "\n";
    }
    retype(*open<ZKListViewSettingsVC>(element)->listTextView, typed);
    save(*shown<ZKListViewSettingsVC>());
    const auto screen = open<ZKListViewSettingsVC>(element);
    const auto list = screen->listTextView;
    ASSERT_EQ(list->text(), typed);
    EXPECT_EQ(list->contentOffset().y, 0) << "at rest the list shows its first items";

    const auto box = list->convertRectTo(list->bounds(), nullptr);
    fingers->pan({{box.midX(), box.maxY() - 10}, {box.midX(), box.minY() + 40}, {box.midX(), box.minY() - 400}});
    const double end = list->contentSize().height - list->bounds().height();
    EXPECT_GT(end, 0);
    EXPECT_EQ(list->contentOffset().y, end) << "the drag stops at the last item";

    tap(*list);
    ASSERT_TRUE(list->isFirstResponder());
    fingers->deleteBackward(2);
    fingers->typeText("6 dark");
    EXPECT_EQ(list->contentOffset().y, list->contentSize().height - list->bounds().height())
        << "the item being typed stays in sight";
    save(*screen);
    items.back() = "Colour 16 dark";
    EXPECT_EQ(stored(element)->validation()->enumeration(), items);
}

TEST_F(ChoiceSettingsTest, TheListDefaultMustBeAnItemExactlyOrEmpty)
{
    const auto element = place("List");
    const auto screen = open<ZKListViewSettingsVC>(element);
    retype(*screen->listTextView, "Red\nGreen");
    retype(*screen->defaultValueTextField, "green");
    save(*screen);
    EXPECT_TRUE(listMessageShown(*screen));
    EXPECT_TRUE(stored(element)->validation()->enumeration().empty());
    EXPECT_EQ(element->content(), "");

    retype(*screen->defaultValueTextField, "");
    tap(*screen->clearButton);
    EXPECT_FALSE(screen->listHelpOverlayView->isHidden());
    save(*screen);
    EXPECT_EQ(hub()->presentedViewController(), nullptr);
    EXPECT_TRUE(stored(element)->validation()->enumeration().empty());
}

TEST_F(ChoiceSettingsTest, CancelOnTheListLeavesItsItemsAndDefaultAndSaveWritesTheEmptyNameOverAGeneratedOne)
{
    const auto element = place("List");
    element->setName(element->ident());
    element->validation()->setEnumeration({"Red", "Blue"});
    element->updateContent("Blue");
    element->saveUpdates();
    const auto screen = open<ZKListViewSettingsVC>(element);
    retype(*screen->listTextView, "Green");
    retype(*screen->defaultValueTextField, "Green");
    cancel(*screen);
    for (const auto& current : {element, stored(element)}) {
        EXPECT_EQ(current->validation()->enumeration(), (Items{"Red", "Blue"}));
        EXPECT_EQ(current->content(), "Blue");
    }

    const auto again = open<ZKListViewSettingsVC>(element);
    EXPECT_EQ(again->nameTextField->text(), "");
    save(*again);
    EXPECT_EQ(stored(element)->name(), "");
}

TEST_F(ChoiceSettingsTest, ACheckBoxStoresItsStateThePageFollowsAndAGeneratedNameStaysUnlessEdited)
{
    const auto element = place("CheckBox");
    element->setName(element->ident());
    element->saveUpdates();
    const auto box = std::dynamic_pointer_cast<ZKCheckBox>(viewOf(element));
    auto screen = open<ZKCheckBoxSettingsVC>(element);
    EXPECT_EQ(screen->nameTextField->text(), "");
    EXPECT_FALSE(screen->defaultValueSwitch->isOn());
    tap(*screen->defaultValueSwitch);
    tap(*screen->isRequiredSwitch);
    save(*screen);
    EXPECT_EQ(stored(element)->name(), element->ident());
    EXPECT_EQ(stored(element)->content(), ZKCheckBoxSettingsVC::checkedContent);
    EXPECT_TRUE(stored(element)->validation()->required());
    EXPECT_TRUE(box->checkboxDisplayView()->isChecked());

    // Switched off, it stores the empty string.
    screen = open<ZKCheckBoxSettingsVC>(element);
    EXPECT_TRUE(screen->defaultValueSwitch->isOn());
    tap(*screen->defaultValueSwitch);
    retype(*screen->nameTextField, "Pets allowed");
    fingers->pressReturn();
    EXPECT_FALSE(screen->nameTextField->isFirstResponder());
    save(*screen);
    EXPECT_EQ(stored(element)->content(), "");
    EXPECT_FALSE(box->checkboxDisplayView()->isChecked());
    EXPECT_EQ(stored(element)->name(), "Pets allowed");
}

TEST_F(ChoiceSettingsTest, ALabelSavesItsNameAndTextTrimmedThePageShowsTheTextAndCancelKeepsIt)
{
    const auto element = place("label");
    const auto screen = open<ZKLabelSettingsVC>(element);
    retype(*screen->nameTextField, " Heading\t");
    fingers->pressReturn();
    EXPECT_TRUE(screen->valueTextField->isFirstResponder());
    fingers->typeText("  Monthly rent  ");
    fingers->pressReturn();
    EXPECT_FALSE(screen->valueTextField->isFirstResponder());
    save(*screen);
    const auto saved = stored(element);
    EXPECT_EQ(saved->name(), "Heading");
    EXPECT_EQ(saved->content(), "Monthly rent");
    const auto label = std::dynamic_pointer_cast<ZKLabel>(viewOf(element));
    EXPECT_EQ(label->labelDisplayView()->signingModeLabel()->text(), "Monthly rent");
    EXPECT_EQ(label->labelDisplayView()->signingModeLabel()->textColor(), platform::graphics::Color::black());

    // Cleared, then cancelled: the text stays.
    const auto again = open<ZKLabelSettingsVC>(element);
    EXPECT_EQ(again->valueTextField->text(), "Monthly rent");
    tap(*again->clearButton);
    EXPECT_EQ(again->valueTextField->text(), "");
    cancel(*again);
    EXPECT_EQ(stored(element)->content(), "Monthly rent");
    EXPECT_EQ(label->labelDisplayView()->signingModeLabel()->text(), "Monthly rent");
}

TEST_F(ChoiceSettingsTest, InLandscapeTypingItemsScrollsThemIntoViewAndTheHintComesBackWhenLeftEmpty)
{
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    const auto screen = open<ZKListViewSettingsVC>(place("List"));
    ASSERT_NE(screen, nullptr);
    tap(*screen->listTextView);
    settle();
    EXPECT_TRUE(screen->listTextView->isFirstResponder());
    EXPECT_TRUE(screen->listHelpOverlayView->isHidden());
    EXPECT_EQ(screen->scrollView.lock()->contentOffset().y, ZKListViewSettingsVC::landscapeEditingOffset);
    tap(*screen->topBar()->titleLabel());
    EXPECT_FALSE(screen->listTextView->isFirstResponder());
    EXPECT_FALSE(screen->listHelpOverlayView->isHidden());
}

#include "FieldSettingsTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "designer/screens/ZKFieldSettingsForm.h"
#include "designer/screens/ZKRadioButtonSettingsVC.h"
#include "designer/screens/ZKRadioGroupSettingsVC.h"
#include "designer/screens/ZKRadioGroupTableViewCell.h"
#include "fields/ZKRadio.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "ui/Screen.h"

using designer_screens_testing::FieldSettingsTest;
using platform::ui::SwipeDirection;
using Groups = std::vector<std::string>;

namespace {

class RadioSettingsTest : public FieldSettingsTest {
protected:
    std::shared_ptr<ZKElement> placeRadio(const std::string& group, bool checked = false)
    {
        auto element = place("Radio");
        element->validation()->setEnumeration({group});
        element->updateContent(checked ? "X" : "");
        element->saveUpdates();
        return element;
    }

    std::shared_ptr<ZKRadioGroupSettingsVC> openGroups(ZKRadioButtonSettingsVC& screen)
    {
        tap(*screen.arrowRightButton);
        settle();
        return shown<ZKRadioGroupSettingsVC>();
    }

    std::shared_ptr<ZKRadioGroupTableViewCell> rowOf(ZKRadioGroupSettingsVC& list, int row) const
    {
        return std::dynamic_pointer_cast<ZKRadioGroupTableViewCell>(list.tableView.lock()->cellForRow({0, row}));
    }

    void typeGroup(ZKRadioGroupSettingsVC& list, const std::string& name)
    {
        retype(*list.radioGroupTextField.lock(), name);
        fingers->pressReturn();
        settle();
    }

    void swipeOpen(ZKRadioGroupTableViewCell& row)
    {
        window->layoutIfNeeded();
        fingers->swipe(*row.frontView.lock(), SwipeDirection::left);
        settle(0.3);
    }

    std::string storedGroup(const std::shared_ptr<ZKElement>& element) const
    {
        return stored(element)->validation()->groupName().value_or("<none>");
    }
};

} // namespace

TEST_F(RadioSettingsTest, ANewRadioButtonOpensInTheDefaultGroupAndWritesIt)
{
    const auto element = place("Radio");
    element->setName("Yes");
    element->saveUpdates();
    const auto screen = open<ZKRadioButtonSettingsVC>(element);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->radioGroupNameLabel->text(), "default");
    EXPECT_TRUE(screen->removeButton->isHidden());
    EXPECT_EQ(screen->arrowRightButton->title(), "B");
    EXPECT_EQ(screen->nameTextField->text(), "Yes");
    EXPECT_EQ(*screen->groups, Groups{"default"});
    EXPECT_EQ(storedGroup(element), "default");
}

TEST_F(RadioSettingsTest, AddingAListedNameInAnyCaseOrBlanksAddsNothingAndANewNameIsPicked)
{
    placeRadio("pets");
    const auto element = placeRadio("cars");
    const auto screen = open<ZKRadioButtonSettingsVC>(element);
    ASSERT_EQ(*screen->groups, (Groups{"default", "cars", "pets"}));
    const auto list = openGroups(*screen);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->radioGroups, screen->groups);
    EXPECT_EQ(list->selectedGroupIndex, 1);
    EXPECT_FALSE(rowOf(*list, 1)->selectionStatusLabel.lock()->isHidden());
    EXPECT_TRUE(rowOf(*list, 2)->selectionStatusLabel.lock()->isHidden());

    typeGroup(*list, "Pets");
    EXPECT_EQ(list->radioGroupTextField.lock()->text(), "");
    for (const auto& blanks : {std::string("   "), std::string("\t \t")}) {
        typeGroup(*list, blanks);
        EXPECT_EQ(list->radioGroupTextField.lock()->text(), blanks);
    }
    EXPECT_EQ(shown<ZKRadioGroupSettingsVC>(), list);
    EXPECT_EQ(*screen->groups, (Groups{"default", "cars", "pets"}));
    EXPECT_EQ(storedGroup(element), "cars");

    typeGroup(*list, "\t Birds ");
    EXPECT_EQ(shown<ZKRadioButtonSettingsVC>(), screen);
    EXPECT_EQ(screen->radioGroupNameLabel->text(), "Birds");
    EXPECT_FALSE(screen->removeButton->isHidden());
    EXPECT_EQ(screen->arrowRightButton->title(), "");
    EXPECT_EQ(*screen->groups, (Groups{"default", "cars", "pets", "Birds"}));
    EXPECT_EQ(storedGroup(element), "Birds");
}

TEST_F(RadioSettingsTest, TheDefaultRowStaysClosedAndTwoQuickDeletionsRemoveTheRowsTapped)
{
    for (const auto* group : {"a", "b", "c"}) {
        placeRadio(group);
    }
    const auto element = placeRadio("c");
    const auto screen = open<ZKRadioButtonSettingsVC>(element);
    const auto list = openGroups(*screen);
    ASSERT_EQ(*list->radioGroups, (Groups{"default", "a", "b", "c"}));

    const auto defaultRow = rowOf(*list, 0);
    swipeOpen(*defaultRow);
    EXPECT_FALSE(defaultRow->backMenuShowing);
    EXPECT_EQ(defaultRow->frontView.lock()->frame().minX(), 0);

    const auto rowA = rowOf(*list, 1);
    const auto rowB = rowOf(*list, 2);
    swipeOpen(*rowA);
    swipeOpen(*rowB);
    EXPECT_TRUE(rowA->backMenuShowing);
    EXPECT_EQ(rowA->frontView.lock()->frame().minX(), -ZKRadioGroupTableViewCell::backMenuWidth);
    EXPECT_EQ(shown<ZKRadioGroupSettingsVC>(), list);

    tap(*rowA->deleteButton.lock());
    settle(0.1);
    tap(*rowB->deleteButton.lock());
    EXPECT_EQ(*list->radioGroups, (Groups{"default", "c"}));
    settle();
    EXPECT_EQ(list->tableView.lock()->numberOfRows(0), 2);
    EXPECT_EQ(rowOf(*list, 1)->groupNameLabel.lock()->text(), "c");
    // The mark stays on its row index, which now shows another group.
    EXPECT_EQ(list->selectedGroupIndex, 3);
    EXPECT_EQ(*screen->groups, (Groups{"default", "c"}));
    // Only the list changed.
    EXPECT_EQ(storedGroup(element), "c");
}

TEST_F(RadioSettingsTest, ALongListAtItsEndThatLosesItsLastRowsShowsGroupsToItsBottom)
{
    for (int group = 0; group < 20; ++group) {
        placeRadio("group " + std::to_string(100 + group));
    }
    const auto element = placeRadio("group 100");
    const auto list = openGroups(*open<ZKRadioButtonSettingsVC>(element));
    ASSERT_NE(list, nullptr);
    const auto table = list->tableView.lock();
    ASSERT_EQ(table->numberOfRows(0), 21);
    const auto shown = table->convertRectTo(table->bounds(), nullptr);
    for (int drag = 0; drag < 8; ++drag) {
        fingers->pan({{shown.midX(), shown.maxY() - 20}, {shown.midX(), shown.maxY() - 120},
                      {shown.midX(), shown.maxY() - 220}, {shown.midX(), shown.maxY() - 320}});
    }
    settle();
    ASSERT_EQ(table->contentOffset().y, table->contentSize().height - table->bounds().height());

    for (const int row : {20, 19}) {
        const auto last = rowOf(*list, row);
        ASSERT_NE(last, nullptr);
        swipeOpen(*last);
        tap(*last->deleteButton.lock());
        settle();
    }
    ASSERT_EQ(table->numberOfRows(0), 19);
    EXPECT_EQ(table->contentOffset().y, table->contentSize().height - table->bounds().height());
    const auto bottom = rowOf(*list, 18);
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(bottom->frame().maxY(), table->bounds().maxY());
}

TEST_F(RadioSettingsTest, SavingCheckedUnchecksOnlyItsGroupOnTheSameSignatureAndDocument)
{
    const auto sameGroup = placeRadio("pets", true);
    const auto otherGroup = placeRadio("cars", true);
    const auto element = placeRadio("cars");
    place("SIGNATURE");
    const auto otherSignature = placeRadio("pets", true);

    // A radio of the same signature and group in another document.
    const auto document = ZKDocument::insertNew();
    document->setIdent("second-document");
    draft()->addDocument(document);
    auto elsewhere = ZKElement::insertNew();
    elsewhere->setType("Radio");
    elsewhere->setApproval(element->approval());
    document->addElement(elsewhere);
    elsewhere->initializeValidationIfNeeded();
    elsewhere->validation()->setEnumeration({"pets"});
    elsewhere->updateContent("X");
    elsewhere->saveUpdates();

    const auto screen = open<ZKRadioButtonSettingsVC>(element);
    ASSERT_EQ(*screen->groups, (Groups{"default", "cars", "pets"}));
    const auto list = openGroups(*screen);
    tap(*rowOf(*list, 2));
    settle();
    ASSERT_EQ(shown<ZKRadioButtonSettingsVC>(), screen);
    EXPECT_EQ(screen->radioGroupNameLabel->text(), "pets");
    tap(*screen->defaultValueSwitch);
    save(*screen);

    EXPECT_EQ(hub()->presentedViewController(), nullptr);
    EXPECT_EQ(stored(element)->content(), "X");
    EXPECT_EQ(stored(sameGroup)->content(), "");
    EXPECT_FALSE(std::dynamic_pointer_cast<ZKRadio>(viewOf(sameGroup))->radioDisplayView()->isChecked());
    EXPECT_TRUE(std::dynamic_pointer_cast<ZKRadio>(viewOf(element))->radioDisplayView()->isChecked());
    for (const auto& untouched : {otherGroup, otherSignature, elsewhere}) {
        EXPECT_EQ(untouched->content(), "X");
    }
}

TEST_F(RadioSettingsTest, AnEmptyNameRemovesItCancelKeepsOnlyTheGroupPickedAndRemoveGoesBackToTheDefault)
{
    placeRadio("pets");
    const auto element = placeRadio("default");
    element->setName("Choice");
    element->saveUpdates();
    auto screen = open<ZKRadioButtonSettingsVC>(element);
    retype(*screen->nameTextField, "");
    save(*screen);
    EXPECT_EQ(stored(element)->name(), "");

    screen = open<ZKRadioButtonSettingsVC>(element);
    retype(*screen->nameTextField, "Other");
    tap(*screen->isRequiredSwitch);
    const auto list = openGroups(*screen);
    tap(*rowOf(*list, 1));
    settle();
    cancel(*screen);
    EXPECT_EQ(hub()->presentedViewController(), nullptr);
    const auto saved = stored(element);
    EXPECT_EQ(saved->name(), "");
    EXPECT_FALSE(saved->validation()->required());
    EXPECT_EQ(saved->validation()->groupName(), "pets");

    screen = open<ZKRadioButtonSettingsVC>(element);
    EXPECT_FALSE(screen->removeButton->isHidden());
    tap(*screen->removeButton);
    EXPECT_EQ(screen->radioGroupNameLabel->text(), "default");
    EXPECT_TRUE(screen->removeButton->isHidden());
    EXPECT_EQ(storedGroup(element), "pets");
    save(*screen);
    EXPECT_EQ(storedGroup(element), "default");
}

TEST_F(RadioSettingsTest, OnATabletTheGroupsLineUpUnderTheGroupFieldInEitherOrientation)
{
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::tablet);
    settle();
    const auto screen = open<ZKRadioButtonSettingsVC>(place("Radio"));
    ASSERT_NE(screen, nullptr);
    const auto list = openGroups(*screen);
    ASSERT_NE(list, nullptr);
    for (const auto orientation :
         {platform::ui::InterfaceOrientation::portrait, platform::ui::InterfaceOrientation::landscapeLeft}) {
        platform::ui::Screen::main().setOrientation(orientation);
        settle();
        const auto field = list->radioGroupTextField.lock();
        const auto box = field->convertRectTo(field->bounds(), nullptr);
        const auto row = rowOf(*list, 0);
        ASSERT_NE(row, nullptr);
        const auto name = row->groupNameLabel.lock();
        const auto mark = row->selectionStatusLabel.lock();
        EXPECT_EQ(name->convertRectTo(name->bounds(), nullptr).minX(), box.minX() + ZKFieldSettingsForm::textInset);
        EXPECT_EQ(mark->convertRectTo(mark->bounds(), nullptr).maxX(), box.maxX());
    }
}

#include "AddSignerPageTest.h"

#include "ui/Animator.h"

#include <gtest/gtest.h>

namespace signers_screens_testing {

using SourceTest = AddSignerPageTest;
using Kind = CreateTransactionSignerType;
using platform::graphics::AffineTransform;

namespace {

std::shared_ptr<ZKGroup> group(const std::string& id, const std::string& name, bool member = false)
{
    return std::make_shared<ZKGroup>(id, member, name, name + "@groups.veltra.com");
}

} // namespace

TEST_F(SourceTest, TheMenuOpensAndClosesOverACover)
{
    ASSERT_NE(openToAdd(), nullptr);
    const auto menu = page->signerMenuView.lock();
    const auto cover = page->darkCoverView.lock();
    EXPECT_FALSE(isShown(*menu));

    tap(*page->firstNameTextField.lock());
    tap(*page->signerButtonAdd.lock());
    EXPECT_FALSE(page->firstNameTextField.lock()->isFirstResponder()) << "opening ends editing";
    EXPECT_FALSE(page->darkCoverShowing()) << "open only once the animation ends";
    ASSERT_NE(platform::ui::Animator::shared().lastAnimation(*menu, "alpha"), nullptr);
    settle(0.3);
    EXPECT_TRUE(page->darkCoverShowing());
    EXPECT_TRUE(isShown(*menu));
    EXPECT_TRUE(isShown(*cover));
    EXPECT_EQ(menu->transform(), AffineTransform::identity());
    tap(*page->signerButtonAdd.lock());
    settle(0.3);
    EXPECT_TRUE(page->darkCoverShowing()) << "the source button does nothing while the menu is open";
    EXPECT_TRUE(isShown(*menu));

    tap(*cover);
    EXPECT_EQ(menu->transform(), AffineTransform::scale(0.9, 0.9)) << "it shrinks as it fades";
    settle(0.3);
    EXPECT_FALSE(page->darkCoverShowing());
    EXPECT_TRUE(menu->isHidden());
    EXPECT_TRUE(cover->isHidden());
    EXPECT_EQ(menu->transform(), AffineTransform::identity());
}

TEST_F(SourceTest, AddMyselfWithoutALastNameShowsAddButTheModelAnswersTwoAndThePageStays)
{
    signIn(Dictionary{{"email", "sam@example.com"}, {"firstName", "Sam"}, {"uid", "uid-sam"}});
    ASSERT_NE(openToAdd(), nullptr);
    tap(*page->signerButtonAdd.lock());
    settle(0.3);
    tap(*page->addMyselfButton.lock());
    settle(0.3);
    EXPECT_FALSE(page->darkCoverShowing());
    EXPECT_EQ(page->signerType(), Kind::myself);
    EXPECT_EQ(page->firstNameTextField.lock()->text(), "Sam");
    EXPECT_EQ(page->emailTextField.lock()->text(), "sam@example.com");
    EXPECT_FALSE(page->firstNameTextField.lock()->isEnabled());
    EXPECT_FALSE(page->personalMessageButton.lock()->isEnabled());
    EXPECT_FALSE(page->changeRecipientSwitch.lock()->isEnabled());
    EXPECT_FALSE(isShown(page->signerButtonAdd));
    ASSERT_TRUE(addShown()) << "disabled fields cannot be corrected, so Add stays";

    tap(*page->addButton.lock());
    settle();
    EXPECT_EQ(model->signersNumber(), 0);
    EXPECT_EQ(page->errorLabel.lock()->text(), "Required fields *") << "code 2 shows nothing";
    EXPECT_EQ(topOfAddPage(), page);
}

TEST_F(SourceTest, TheSenderAddedThroughTheMenuIsCommittedWithTheOptionsChosen)
{
    ASSERT_NE(openToAdd(), nullptr);
    tap(*page->signerButtonAdd.lock());
    settle(0.3);
    tap(*page->addMyselfButton.lock());
    settle(0.3);
    tap(*page->addButton.lock());
    settle();
    EXPECT_TRUE(addPageClosed());
    ASSERT_EQ(model->signersNumber(), 1);
    const auto row = model->dataForSignerWithIndex(0);
    EXPECT_EQ(row["displayName"], "Sam Sender");
    EXPECT_EQ(row["title"], "Owner");
    EXPECT_EQ(row["company"], "Sender Ltd");
    EXPECT_EQ(row["authentication"]["type"], "email");
}

TEST_F(SourceTest, TheGroupsItemIsGreyAndInertWhenEveryGroupIsAdded)
{
    addAccountGroups({group("G1", "Legal")});
    addRecipient(Dictionary{{"group", true},
                            {"firstName", "Legal"},
                            {"email", "Legal@groups.veltra.com"},
                            {"title", "Legal@groups.veltra.com"},
                            {"role", "G1"}});
    ASSERT_NE(openToAdd(), nullptr);
    tap(*page->signerButtonAdd.lock());
    settle(0.3);
    EXPECT_EQ(page->addGroupLabel.lock()->textColor(), page->menuDisabledItemColor);
    EXPECT_EQ(page->addGroupIcon.lock()->textColor(), page->menuDisabledItemColor);
    tap(*page->addGroupButton.lock());
    settle(0.3);
    EXPECT_TRUE(page->darkCoverShowing());
    EXPECT_EQ(topOfAddPage(), page);

    addAccountGroups({group("G1", "Legal"), group("G2", "Sales")});
    EXPECT_EQ(page->addGroupLabel.lock()->textColor(), page->menuEnabledItemColor)
        << "the item follows the account's groups as they arrive";
}

TEST_F(SourceTest, AContactFillsTheFieldsAndMarksWhatItLacks)
{
    ASSERT_NE(openToAdd(), nullptr);
    tap(*page->signerButtonAdd.lock());
    settle(0.3);
    tap(*page->addFromContactsButton.lock());
    settle();
    const auto contacts = openedStandIn<StandInContactsPage>();
    ASSERT_NE(contacts, nullptr);
    contacts->choose("Ann", std::nullopt, "ann@example.com");
    settle();
    ASSERT_EQ(topOfAddPage(), page);
    EXPECT_EQ(page->signerType(), Kind::recipient);
    EXPECT_FALSE(isShown(page->signerButtonAdd)) << "the source is chosen once";
    EXPECT_TRUE(isShown(page->lastNameStatusBar));
    EXPECT_EQ(shakesOf(*page->lastNameView.lock()), 1);
    EXPECT_FALSE(isShown(page->emailStatusBar));
    EXPECT_FALSE(addShown());
    type(page->lastNameTextField, "Lee");
    EXPECT_TRUE(addShown());
}

TEST_F(SourceTest, AGroupChosenForANewRecipientIsCommittedInTheGroupForm)
{
    const auto legal = group("G1", "Legal", true);
    addAccountGroups({group("G0", "Board"), legal});
    ASSERT_NE(openToAdd(), nullptr);
    type(page->lastNameTextField, "Typed");
    type(page->titleTextField, "Typed");
    tap(*page->signerButtonAdd.lock());
    settle(0.3);
    tap(*page->addGroupButton.lock());
    settle();
    auto picker = openedStandIn<StandInGroupPicker>();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->groupList.size(), 2u);
    EXPECT_EQ(picker->selectedGroupIndex, std::nullopt);
    picker->choose(1);
    settle();
    ASSERT_EQ(topOfAddPage(), page);
    EXPECT_EQ(page->selectedGroup(), legal);
    EXPECT_EQ(page->firstNameTextField.lock()->text(), "Legal");
    EXPECT_EQ(page->emailTextField.lock()->text(), "Legal@groups.veltra.com");
    EXPECT_EQ(page->lastNameTextField.lock()->text(), "");
    EXPECT_EQ(page->titleTextField.lock()->text(), "");
    EXPECT_FALSE(page->emailTextField.lock()->isEnabled());
    EXPECT_FALSE(page->authenticationButton.lock()->isEnabled());
    EXPECT_TRUE(page->personalMessageButton.lock()->isEnabled());
    EXPECT_FALSE(isShown(page->signerButtonAdd));
    ASSERT_TRUE(addShown());

    tap(*page->addButton.lock());
    settle();
    EXPECT_TRUE(addPageClosed());
    ASSERT_EQ(model->signersNumber(), 1);
    const auto row = model->dataForSignerWithIndex(0);
    EXPECT_EQ(row["group"], true);
    EXPECT_EQ(row["email"], "Legal@groups.veltra.com");
    EXPECT_EQ(row["title"], "Legal@groups.veltra.com");
    EXPECT_EQ(row["role"], "G1");
    EXPECT_EQ(row.value("lastName", ""), "") << "what the disabled fields held is not used";
    EXPECT_EQ(model->idsForAddedGroups(), std::vector<std::string>{"G1"});
}

TEST_F(SourceTest, TheOptionPagesAreHandedTheRecipientAndWriteTheirResultsBack)
{
    ASSERT_NE(openToAdd(), nullptr);
    typeDetails("Ann", "Lee", "ann@example.com");
    tap(*page->personalMessageButton.lock());
    settle();
    auto message = openedStandIn<StandInPersonalMessagePage>();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->signerFullName, "Ann Lee");
    EXPECT_EQ(message->personalMessage, std::nullopt);
    message->add("Please sign by Friday.");
    settle();
    EXPECT_TRUE(isShown(page->personalMessageCheckBox));

    tap(*page->authenticationButton.lock());
    settle();
    auto methods = openedStandIn<StandInAuthenticationMethodsPage>();
    ASSERT_NE(methods, nullptr);
    EXPECT_TRUE(methods->authenticationMethod.is<SignerAuthenticationMethod::Email>());
    methods->choose(SignerAuthenticationMethod::SMS{"+1 202 555 0100"});
    settle();
    EXPECT_EQ(page->authenticationTypeLabel.lock()->text(), "SMS");
    EXPECT_TRUE(methods->authenticationMethod.is<SignerAuthenticationMethod::SMS>());

    tap(*page->personalMessageButton.lock());
    settle();
    message = openedStandIn<StandInPersonalMessagePage>();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->personalMessage, "Please sign by Friday.");
    message->add("");
    settle();
    EXPECT_FALSE(isShown(page->personalMessageCheckBox)) << "an emptied message hides the mark";

    tap(*page->changeRecipientSwitch.lock());
    tap(*page->addButton.lock());
    settle();
    ASSERT_EQ(model->signersNumber(), 1);
    const auto row = model->dataForSignerWithIndex(0);
    EXPECT_EQ(row["authentication"], (Dictionary{{"type", "SMS"}, {"cellphone", "+1 202 555 0100"}}));
    EXPECT_EQ(row["allowSignerChange"], true);
}

} // namespace signers_screens_testing

#include "AddSignerPageTest.h"

#include "composer/RecipientDomains.h"

#include <gtest/gtest.h>

namespace signers_screens_testing {

using EditTest = AddSignerPageTest;
using Kind = CreateTransactionSignerType;

namespace {

const std::string placeholderEmail = std::string("placeholder1") + RecipientDomains::kPlaceholderDomain;

Dictionary leeRow(const std::string& firstName, const std::string& email)
{
    return Dictionary{{"firstName", firstName}, {"lastName", "Lee"}, {"email", email}};
}

Dictionary legalGroup()
{
    return Dictionary{{"group", true},
                      {"firstName", "Legal"},
                      {"email", "legal@groups.veltra.com"},
                      {"title", "legal@groups.veltra.com"},
                      {"role", "G1"},
                      {"emailMessage", "Old message"},
                      {"authentication", {{"type", "email"}}}};
}

} // namespace

TEST_F(EditTest, AnEditedPersonShowsItsRowAndKeepsAddHiddenUntilSomethingChanges)
{
    auto input = leeRow("Ann", "ann@example.com");
    input["title"] = "Buyer";
    input["allowSignerChange"] = true;
    input["emailMessage"] = "Hello";
    input["authentication"] = Dictionary{{"type", "QandA"}, {"question1", "Pet?"}, {"answer1", "Rex"}};
    addRecipient(input);
    ASSERT_NE(openToEdit(0), nullptr);
    EXPECT_EQ(page->topBarTitleLabel->text(), "Edit Recipient");
    EXPECT_EQ(page->signerType(), Kind::recipient);
    EXPECT_EQ(page->firstNameTextField.lock()->text(), "Ann");
    EXPECT_EQ(page->titleTextField.lock()->text(), "Buyer");
    EXPECT_TRUE(page->changeRecipientSwitch.lock()->isOn());
    EXPECT_TRUE(isShown(page->personalMessageCheckBox));
    EXPECT_EQ(page->authenticationTypeLabel.lock()->text(), "Q&A");
    EXPECT_FALSE(isShown(page->signerButtonAdd)) << "a person's source is chosen";
    EXPECT_FALSE(addShown()) << "valid, but nothing changed yet";

    tap(*page->changeRecipientSwitch.lock());
    EXPECT_TRUE(addShown());
    type(page->emailTextField, "m");
    tap(*page->addButton.lock());
    settle();
    EXPECT_TRUE(addPageClosed());
    ASSERT_EQ(model->signersNumber(), 1);
    const auto row = model->dataForSignerWithIndex(0);
    EXPECT_EQ(row["email"], "ann@example.comm");
    EXPECT_EQ(row["allowSignerChange"], false);
    EXPECT_EQ(row["authentication"]["type"], "QandA") << "the loaded method is written back";
}

TEST_F(EditTest, AnAddressAlreadyInTheTransactionIsRefusedWithoutAShake)
{
    addRecipient(leeRow("Ann", "ann@example.com"));
    addRecipient(leeRow("Bob", "bob@example.com"));
    ASSERT_NE(openToEdit(1), nullptr);
    auto email = page->emailTextField.lock();
    tap(*email);
    fingers->deleteBackward(static_cast<int>(email->text().size()));
    fingers->typeText("ann@example.com");
    tap(*page->addButton.lock());
    settle();
    EXPECT_EQ(page->errorLabel.lock()->text(), "This Signer is already added.");
    EXPECT_EQ(shakesOf(*email), 0);
    EXPECT_FALSE(isShown(page->emailStatusBar));
    EXPECT_EQ(model->dataForSignerWithIndex(1)["email"], "bob@example.com");
    EXPECT_EQ(topOfAddPage(), page);
}

TEST_F(EditTest, APlaceholderTurnedIntoAGroupReplacesThePlaceholder)
{
    addAccountGroups({std::make_shared<ZKGroup>("G7", false, "Sales", "sales@groups.veltra.com")});
    addRecipient(leeRow("Ann", "ann@example.com"));
    addRecipient(leeRow("Placeholder", placeholderEmail));
    ASSERT_NE(openToEdit(1), nullptr);
    EXPECT_EQ(page->signerType(), Kind::placeholder);
    EXPECT_EQ(page->emailTextField.lock()->text(), "") << "the placeholder address is not shown";
    EXPECT_EQ(page->signerCurrentEmail(), placeholderEmail);
    ASSERT_TRUE(isShown(page->signerButtonAdd));

    tap(*page->signerButtonAdd.lock());
    settle(0.3);
    tap(*page->addGroupButton.lock());
    settle();
    const auto picker = openedStandIn<StandInGroupPicker>();
    ASSERT_NE(picker, nullptr);
    picker->choose(0);
    settle();
    tap(*page->addButton.lock());
    settle();
    EXPECT_TRUE(addPageClosed());
    ASSERT_EQ(model->signersNumber(), 2);
    const auto row = model->dataForSignerWithIndex(1);
    EXPECT_EQ(row["email"], "sales@groups.veltra.com");
    EXPECT_EQ(row["role"], "G7");
    EXPECT_EQ(row["group"], true);
    EXPECT_FALSE(model->hasPlaceholder());
}

// The group's row hides the source button, so no group is picked on this visit; the
// commit must still go through with the sender's changes.
TEST_F(EditTest, ALoadedGroupKeepsTheMessageAndPermissionTheSenderChanges)
{
    addRecipient(leeRow("Ann", "ann@example.com"));
    addRecipient(legalGroup());
    ASSERT_NE(openToEdit(1), nullptr);
    EXPECT_EQ(page->signerType(), Kind::group);
    EXPECT_EQ(page->firstNameTextField.lock()->text().rfind("Legal", 0), 0u) << "the row's display name";
    EXPECT_EQ(page->emailTextField.lock()->text(), "legal@groups.veltra.com");
    EXPECT_EQ(page->titleTextField.lock()->text(), "");
    EXPECT_FALSE(isShown(page->signerButtonAdd));

    tap(*page->personalMessageButton.lock());
    settle();
    const auto message = openedStandIn<StandInPersonalMessagePage>();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->personalMessage, "Old message");
    message->add("New message");
    settle();
    tap(*page->changeRecipientSwitch.lock());
    ASSERT_TRUE(addShown());
    tap(*page->addButton.lock());
    settle();
    EXPECT_TRUE(addPageClosed());
    ASSERT_EQ(model->signersNumber(), 2) << "replaced, not added again";
    const auto row = model->dataForSignerWithIndex(1);
    EXPECT_EQ(row["emailMessage"], "New message");
    EXPECT_EQ(row["allowSignerChange"], true);
    EXPECT_EQ(row["role"], "G1");
    EXPECT_EQ(row["email"], "legal@groups.veltra.com");
    EXPECT_EQ(row["group"], true);
}

TEST_F(EditTest, TheSignedInUsersRowIsMyselfAndARowOutOfRangeIsAnEmptyPerson)
{
    addRecipient(leeRow("Sam", "SAM@example.com"));
    ASSERT_NE(openToEdit(0), nullptr);
    EXPECT_EQ(page->signerType(), Kind::myself);
    EXPECT_FALSE(page->firstNameTextField.lock()->isEnabled());
    EXPECT_EQ(page->authenticationTypeLabel.lock()->text(), "Email") << "a row without a method keeps e-mail";
    tap(*page->closeButton);
    settle();

    ASSERT_NE(openToEdit(5), nullptr);
    EXPECT_EQ(page->signerType(), Kind::recipient);
    EXPECT_EQ(page->firstNameTextField.lock()->text(), "");
    typeDetails("Ann", "Lee", "ann@example.com");
    tap(*page->addButton.lock());
    settle();
    EXPECT_EQ(model->signersNumber(), 1) << "there is no row to replace";
    EXPECT_EQ(topOfAddPage(), page);
}

} // namespace signers_screens_testing

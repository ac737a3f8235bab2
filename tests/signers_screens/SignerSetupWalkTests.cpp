#include "AddSignerPageTest.h"

#include "composer/screens/CreateTransactionGroupCell.h"
#include "contacts/ContactStoreSettings.h"
#include "signers/screens/CreateTransactionPickGroupViewController.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPage.h"
#include "signers/screens/CreateTransactionSignerChooseContactPage.h"
#include "signers/screens/CreateTransactionSignerContactCell.h"

#include <gtest/gtest.h>

namespace signers_screens_testing {
namespace {

using platform::contacts::ContactStoreSettings;
using Kind = CreateTransactionSignerType;

// The add/edit recipient page opened from the main page, with the real pages it opens
// behind it: each walk goes there and back with the fingers only.
class SignerSetupWalkTest : public AddSignerPageTest {
protected:
    bool withStandInPages() const override { return false; }

    void SetUp() override
    {
        AddSignerPageTest::SetUp();
        ContactStoreSettings::shared()->setDirectory(home() / "AddressBook");
        ContactStoreSettings::shared()->setAuthorizationStatus(platform::contacts::AuthorizationStatus::authorized);
    }

    template <class Opened>
    std::shared_ptr<Opened> opened() const
    {
        return std::dynamic_pointer_cast<Opened>(topOfAddPage());
    }

    void openSourceMenuItem(const platform::ui::Button& item)
    {
        tap(*page->signerButtonAdd.lock());
        settle(0.3);
        tap(item);
        settle();
    }

    // Opens a new recipient, types Ann's details and taps one of its option buttons.
    template <class Opened>
    std::shared_ptr<Opened> openOptionForAnn(std::weak_ptr<platform::ui::Button> Page::*option)
    {
        if (!openToAdd()) {
            return nullptr;
        }
        typeDetails("Ann", "Lee", "ann@example.com");
        tap(*((*page).*option).lock());
        settle();
        return opened<Opened>();
    }

    std::shared_ptr<CreateTransactionSignerAuthenticationMethodsPage> openAuthenticationMethods()
    {
        return openOptionForAnn<CreateTransactionSignerAuthenticationMethodsPage>(&Page::authenticationButton);
    }

    // Opens the personal message page of a new recipient and writes the text.
    std::shared_ptr<CreateTransactionSignerAddPersonalMessagePage> writePersonalMessage(const std::string& text)
    {
        const auto message =
            openOptionForAnn<CreateTransactionSignerAddPersonalMessagePage>(&Page::personalMessageButton);
        if (message) {
            tap(*message->messageTextView.lock());
            fingers->typeText(text);
        }
        return message;
    }

    // Opens a new recipient and picks the account group in the given row of the picker.
    bool pickGroup(int row)
    {
        if (!openToAdd()) {
            return false;
        }
        openSourceMenuItem(*page->addGroupButton.lock());
        const auto picker = opened<CreateTransactionPickGroupViewController>();
        const auto cell = picker ? picker->tableView.lock()->cellForRow({0, row}) : nullptr;
        if (!cell) {
            return false;
        }
        tap(*cell);
        settle();
        return topOfAddPage() == page;
    }

    // A hurried finger: a second tap on the same spot 0.1 s after the first, whatever
    // has come there by then.
    void doubleTap(const platform::ui::View& view)
    {
        window->layoutIfNeeded();
        const auto spot = fingers->centerOf(view);
        fingers->tap(spot);
        settle(0.1);
        fingers->tap(spot);
        settle();
    }

    // Commits the page and answers the one row the model then holds.
    Dictionary commit()
    {
        EXPECT_TRUE(addShown());
        tap(*page->addButton.lock());
        settle();
        EXPECT_TRUE(addPageClosed());
        EXPECT_EQ(model->signersNumber(), 1);
        return model->signersNumber() == 1 ? model->dataForSignerWithIndex(0) : Dictionary{};
    }
};

TEST_F(SignerSetupWalkTest, AnSMSNumberTypedOnItsPageIsShownAndCommitted)
{
    const auto picker = openAuthenticationMethods();
    ASSERT_NE(picker, nullptr);
    tap(*picker->smsButton.lock());
    settle();
    const auto sms = opened<CreateTransactionSignerAuthenticationMethodSMSPage>();
    ASSERT_NE(sms, nullptr);
    tap(*sms->cellPhoneTextField.lock());
    for (const char digit : std::string("6502530000")) {
        fingers->typeText(std::string(1, digit));
    }
    const std::string number = sms->cellPhoneTextField.lock()->text();
    EXPECT_EQ(number, "(650) 253-0000");
    tap(*sms->addButton.lock());
    settle();
    ASSERT_EQ(topOfAddPage(), picker);
    tap(*picker->topBar->backButton());
    settle();

    ASSERT_EQ(topOfAddPage(), page);
    EXPECT_EQ(page->authenticationTypeLabel.lock()->text(), "SMS");
    const auto row = commit();
    EXPECT_EQ(row["authentication"]["type"], "SMS");
    EXPECT_EQ(row["authentication"]["cellphone"], number);
}

TEST_F(SignerSetupWalkTest, AContactChosenFromTheAddressBookFillsTheFields)
{
    auto ann = person("Ann", "Lee", {"ann@example.com"});
    ann.organizationName = "Lee & Co";
    ann.jobTitle = "Buyer";
    writeAddressBookIn(home(), {ann});
    ASSERT_NE(openToAdd(), nullptr);
    openSourceMenuItem(*page->addFromContactsButton.lock());
    const auto contacts = opened<CreateTransactionSignerChooseContactPage>();
    ASSERT_NE(contacts, nullptr);
    const auto row = std::dynamic_pointer_cast<CreateTransactionSignerContactCell>(
        contacts->contactsTableView.lock()->cellForRow({0, 0}));
    ASSERT_NE(row, nullptr);
    tap(*row->selectionButton.lock());
    settle();

    ASSERT_EQ(topOfAddPage(), page);
    EXPECT_EQ(page->signerType(), Kind::recipient);
    EXPECT_EQ(page->firstNameTextField.lock()->text(), "Ann");
    EXPECT_EQ(page->lastNameTextField.lock()->text(), "Lee");
    EXPECT_EQ(page->emailTextField.lock()->text(), "ann@example.com");
    EXPECT_EQ(page->companyTextField.lock()->text(), "Lee & Co");
    EXPECT_EQ(page->titleTextField.lock()->text(), "Buyer");
    EXPECT_EQ(commit()["email"], "ann@example.com");
}

TEST_F(SignerSetupWalkTest, AGroupPickedFromTheAccountsGroupsIsCommittedAsAGroup)
{
    const auto sales = std::make_shared<ZKGroup>("G7", false, "Sales", "sales@groups.veltra.com");
    addAccountGroups({std::make_shared<ZKGroup>("G1", true, "Legal", "legal@groups.veltra.com"), sales});
    ASSERT_TRUE(pickGroup(1));
    EXPECT_EQ(page->signerType(), Kind::group);
    EXPECT_EQ(page->selectedGroup(), sales);
    EXPECT_EQ(page->firstNameTextField.lock()->text(), "Sales");
    EXPECT_FALSE(page->emailTextField.lock()->isEnabled());
    const auto committed = commit();
    EXPECT_EQ(committed["group"], true);
    EXPECT_EQ(committed["role"], "G7");
    EXPECT_EQ(committed["email"], "sales@groups.veltra.com");
}

TEST_F(SignerSetupWalkTest, APersonalMessageWrittenOnItsPageIsMarkedAndCommitted)
{
    const auto message = writePersonalMessage("Please sign by Friday.");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->messageToRecipientLabel.lock()->text(), "Message to Ann Lee");
    tap(*message->addButton.lock());
    settle();

    ASSERT_EQ(topOfAddPage(), page);
    EXPECT_TRUE(isShown(page->personalMessageCheckBox));
    EXPECT_EQ(commit()["emailMessage"], "Please sign by Friday.");
}

TEST_F(SignerSetupWalkTest, ADoubleTapOnAddCommitsAPickedGroupOnce)
{
    addAccountGroups({std::make_shared<ZKGroup>("G7", false, "Sales", "sales@groups.veltra.com")});
    ASSERT_TRUE(pickGroup(0));
    ASSERT_EQ(page->signerType(), Kind::group);

    doubleTap(*page->addButton.lock());
    EXPECT_TRUE(addPageClosed());
    EXPECT_EQ(model->signersNumber(), 1);
}

TEST_F(SignerSetupWalkTest, ADoubleTapOnBackFromAuthenticationKeepsTheRecipientPageOpen)
{
    const auto methods = openAuthenticationMethods();
    ASSERT_NE(methods, nullptr);

    doubleTap(*methods->topBar->backButton());
    EXPECT_FALSE(addPageClosed());
    EXPECT_EQ(topOfAddPage(), page);
    EXPECT_EQ(page->emailTextField.lock()->text(), "ann@example.com");
}

TEST_F(SignerSetupWalkTest, ADoubleTapOnAddOfThePersonalMessageLeavesTheRecipientUncommitted)
{
    const auto message = writePersonalMessage("Please sign by Friday.");
    ASSERT_NE(message, nullptr);

    doubleTap(*message->addButton.lock());
    EXPECT_FALSE(addPageClosed());
    EXPECT_EQ(topOfAddPage(), page);
    EXPECT_EQ(model->signersNumber(), 0);
    EXPECT_TRUE(isShown(page->personalMessageCheckBox));
}

} // namespace
} // namespace signers_screens_testing

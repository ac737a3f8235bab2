#include "AddSignerPageTest.h"

#include "composer/screens/CreateTransactionGroupCell.h"
#include "contacts/ContactStoreSettings.h"
#include "contacts/VCardWriter.h"
#include "foundation/AtomicFile.h"
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

    void writeAddressBook(const std::vector<platform::contacts::Contact>& contacts) const
    {
        std::filesystem::create_directories(home() / "AddressBook");
        platform::AtomicFile::write(home() / "AddressBook" / "contacts.vcf",
                                    platform::contacts::VCardWriter::write(contacts, platform::contacts::VCardVersion::v3_0));
    }

    // Opens the personal message page of the recipient on the page and writes the text.
    std::shared_ptr<CreateTransactionSignerAddPersonalMessagePage> writePersonalMessage(const std::string& text)
    {
        tap(*page->personalMessageButton.lock());
        settle();
        const auto message = opened<CreateTransactionSignerAddPersonalMessagePage>();
        if (message) {
            tap(*message->messageTextView.lock());
            fingers->typeText(text);
        }
        return message;
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
    ASSERT_NE(openToAdd(), nullptr);
    typeDetails("Ann", "Lee", "ann@example.com");
    tap(*page->authenticationButton.lock());
    settle();
    const auto picker = opened<CreateTransactionSignerAuthenticationMethodsPage>();
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
    platform::contacts::Contact ann;
    ann.givenName = "Ann";
    ann.familyName = "Lee";
    ann.organizationName = "Lee & Co";
    ann.jobTitle = "Buyer";
    ann.emailAddresses.push_back({"work", "ann@example.com"});
    writeAddressBook({ann});
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
    ASSERT_NE(openToAdd(), nullptr);
    openSourceMenuItem(*page->addGroupButton.lock());
    const auto picker = opened<CreateTransactionPickGroupViewController>();
    ASSERT_NE(picker, nullptr);
    const auto row = picker->tableView.lock()->cellForRow({0, 1});
    ASSERT_NE(row, nullptr);
    tap(*row);
    settle();

    ASSERT_EQ(topOfAddPage(), page);
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
    ASSERT_NE(openToAdd(), nullptr);
    typeDetails("Ann", "Lee", "ann@example.com");
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
    ASSERT_NE(openToAdd(), nullptr);
    openSourceMenuItem(*page->addGroupButton.lock());
    const auto picker = opened<CreateTransactionPickGroupViewController>();
    ASSERT_NE(picker, nullptr);
    tap(*picker->tableView.lock()->cellForRow({0, 0}));
    settle();
    ASSERT_EQ(page->signerType(), Kind::group);

    doubleTap(*page->addButton.lock());
    EXPECT_TRUE(addPageClosed());
    EXPECT_EQ(model->signersNumber(), 1);
}

TEST_F(SignerSetupWalkTest, ADoubleTapOnBackFromAuthenticationKeepsTheRecipientPageOpen)
{
    ASSERT_NE(openToAdd(), nullptr);
    typeDetails("Ann", "Lee", "ann@example.com");
    tap(*page->authenticationButton.lock());
    settle();
    const auto methods = opened<CreateTransactionSignerAuthenticationMethodsPage>();
    ASSERT_NE(methods, nullptr);

    doubleTap(*methods->topBar->backButton());
    EXPECT_FALSE(addPageClosed());
    EXPECT_EQ(topOfAddPage(), page);
    EXPECT_EQ(page->emailTextField.lock()->text(), "ann@example.com");
}

TEST_F(SignerSetupWalkTest, ADoubleTapOnAddOfThePersonalMessageLeavesTheRecipientUncommitted)
{
    ASSERT_NE(openToAdd(), nullptr);
    typeDetails("Ann", "Lee", "ann@example.com");
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

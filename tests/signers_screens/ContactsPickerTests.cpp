#include "SignerSetupScreenTest.h"

#include "contacts/ContactStoreSettings.h"
#include "foundation/RunLoop.h"
#include "graphics/Image.h"
#include "signers/screens/CreateTransactionSignerChooseContactPage.h"
#include "signers/screens/CreateTransactionSignerContactCell.h"
#include "signers/screens/CreateTransactionSignerContactEmailCell.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/AlertController.h"
#include "ui/Application.h"
#include "ui/Screen.h"

#include <gmock/gmock.h>

namespace signers_screens_testing {
namespace {

using platform::contacts::AuthorizationStatus;
using platform::contacts::ContactStoreSettings;
using platform::ui::IndexPath;
using testing::ElementsAre;
using Page = CreateTransactionSignerChooseContactPage;
using Cell = CreateTransactionSignerContactCell;

constexpr const char* backToOpener = "unwind unwindFromChooseContactPageToAddSignerPage";

class ContactsPickerTest : public SignerSetupScreenTest {
protected:
    std::shared_ptr<Page> openPicker(AuthorizationStatus status)
    {
        ContactStoreSettings::shared()->setAuthorizationStatus(status);
        page = open<Page>(SignerSetupScenes::contactsPageScene, [](Page&) {});
        return page;
    }

    std::shared_ptr<Cell> row(int section, int row) const
    {
        return std::dynamic_pointer_cast<Cell>(page->contactsTableView.lock()->cellForRow({section, row}));
    }

    double heightOf(int section, int row) const
    {
        return page->contactsTableView.lock()->rectForRow({section, row}).height();
    }

    std::vector<std::string> namesIn(int section) const
    {
        std::vector<std::string> names;
        for (const auto& contact : page->contactSections().at(static_cast<std::size_t>(section)).contactsInSection) {
            names.push_back(contact->firstName() + " " + contact->lastName());
        }
        return names;
    }

    void tapEmail(int section, int contactRow, int emailRow)
    {
        const auto list = row(section, contactRow)->tableView.lock();
        const auto email = std::dynamic_pointer_cast<CreateTransactionSignerContactEmailCell>(list->cellForRow({0, emailRow}));
        ASSERT_NE(email, nullptr);
        tap(*email->selectionButton.lock());
    }

    // What a person reads: the message, whether the settings button and the list show.
    void expectState(const std::string& message, bool settingsButton, bool list) const
    {
        const auto label = page->permissionMessageLabel.lock();
        EXPECT_EQ(isShown(*label), !list);
        if (!list) {
            EXPECT_EQ(label->text().value_or(""), message);
            EXPECT_EQ(isShown(*page->gotoSettingsButton.lock()), settingsButton);
        }
        EXPECT_EQ(isShown(*page->contactsTableView.lock()), list);
    }

    std::shared_ptr<Page> page;
};

TEST_F(ContactsPickerTest, SectionsFollowTheLastNamesFirstCharacterAndSortByCodePoint)
{
    writeAddressBook({person("anna", "Zeta"), person("Bob", "zulu"), person("Tim", "~Tilde"), person("Sam", "7Seven"),
                      person("Pat", "(Paren"), person("Cher", ""), person("Zoë", "ölund"), person("Ida", "Ωmega"),
                      person("", "E\u0301clair"), person("Eve", "\u00C9vora"), person("\u00C9lise", "\u00E9mile"),
                      person("Ivan", "\u0436\u0443\u043A\u043E\u0432"), person("Eleni", "\u03B1\u03BB\u03AD\u03BE\u03B7"),
                      person("Taro", "\u5C71\u7530"), person("Omar", "\u0639\u0645\u0631")});
    openPicker(AuthorizationStatus::authorized);

    EXPECT_THAT(page->sectionTitles(), ElementsAre("", "#", "Z", "\u00C9", "\u00D6", "\u0391", "\u03A9", "\u0416",
                                                   "\u0639", "\u5C71"));
    EXPECT_THAT(namesIn(0), ElementsAre("Cher "));
    EXPECT_THAT(namesIn(1), ElementsAre("Pat (Paren", "Sam 7Seven", "Tim ~Tilde"));
    EXPECT_THAT(namesIn(2), ElementsAre("Bob zulu", "anna Zeta"));
    // A composed and a decomposed accent are one letter, so one section.
    EXPECT_THAT(namesIn(3), ElementsAre("Eve \u00C9vora", " E\u0301clair", "\u00C9lise \u00E9mile"));
    EXPECT_THAT(namesIn(7), ElementsAre("Ivan \u0436\u0443\u043A\u043E\u0432"));
    EXPECT_THAT(namesIn(9), ElementsAre("Taro \u5C71\u7530"));
    EXPECT_EQ(page->titleIndexDict().at("Z"), 2);

    auto& table = *page->contactsTableView.lock();
    EXPECT_EQ(page->sectionForSectionIndexTitle(table, "\u03A9", 0), 6);
    EXPECT_EQ(page->sectionForSectionIndexTitle(table, "Q", 3), 0);
    EXPECT_EQ(row(2, 0)->contactNameLabel.lock()->text(), "Bob zulu");
    expectState("", true, true);
}

TEST_F(ContactsPickerTest, RowsShowPictureOrIconAndHowManyAddresses)
{
    auto withPicture = person("Ann", "Adams", {"ann@example.com"});
    const platform::graphics::Image photo(8, 8);
    withPicture.imageData = photo.pngData();
    auto unreadablePicture = person("Ben", "Brown", {"ben@example.com", "ben@work.example", "ben@home.example"});
    unreadablePicture.imageData = std::vector<std::uint8_t>{1, 2, 3};
    writeAddressBook({withPicture, unreadablePicture, person("Cy", "Cole")});
    openPicker(AuthorizationStatus::authorized);

    const auto ann = row(0, 0);
    EXPECT_TRUE(isShown(*ann->contactImageView.lock()));
    EXPECT_FALSE(isShown(*ann->contactIcon.lock()));
    EXPECT_EQ(ann->contactEmailLabel.lock()->text(), "ann@example.com");
    const auto ben = row(1, 0);
    EXPECT_FALSE(isShown(*ben->contactImageView.lock()));
    EXPECT_TRUE(isShown(*ben->contactIcon.lock()));
    EXPECT_EQ(ben->contactEmailLabel.lock()->text(), "3 emails");
    EXPECT_EQ(row(2, 0)->contactEmailLabel.lock()->text(), "No email");
}

TEST_F(ContactsPickerTest, ContactsWithOneOrNoAddressAreHandedOverAtOnce)
{
    auto cy = person("Cy", "Cole");
    cy.organizationName = "Cole & Sons";
    cy.jobTitle = "Owner";
    writeAddressBook({person("Ann", "Adams", {"ann@example.com"}), cy});
    openPicker(AuthorizationStatus::authorized);

    tap(*row(1, 0)->selectionButton.lock());
    EXPECT_THAT(opener->events, ElementsAre("contact", backToOpener));
    ASSERT_EQ(opener->contacts.size(), 1u);
    const auto& handed = opener->contacts.front();
    EXPECT_EQ(handed.firstName, "Cy");
    EXPECT_EQ(handed.lastName, "Cole");
    EXPECT_EQ(handed.email, std::nullopt);
    EXPECT_EQ(handed.company, "Cole & Sons");
    EXPECT_EQ(handed.jobTitle, "Owner");
    EXPECT_EQ(topPage(), nullptr);

    openPicker(AuthorizationStatus::authorized);
    tap(*row(0, 0)->selectionButton.lock());
    EXPECT_EQ(opener->contacts.back().email, "ann@example.com");
}

TEST_F(ContactsPickerTest, OneRowAtATimeOpensToListItsAddressesAndAnAddressIsChosen)
{
    writeAddressBook({person("Ann", "Adams", {"a1@example.com", "a2@example.com"}),
                      person("Ben", "Brown", {"b1@example.com", "b2@example.com", "b3@example.com"})});
    openPicker(AuthorizationStatus::authorized);

    tap(*row(0, 0)->selectionButton.lock());
    EXPECT_EQ(heightOf(0, 0), 120);
    EXPECT_TRUE(opener->events.empty());
    tap(*row(0, 0)->selectionButton.lock());
    EXPECT_EQ(heightOf(0, 0), 60);
    EXPECT_EQ(page->indexPathForCellToExpand(), std::nullopt);

    tap(*row(0, 0)->selectionButton.lock());
    tap(*row(1, 0)->selectionButton.lock());
    EXPECT_EQ(heightOf(0, 0), 60);
    EXPECT_EQ(heightOf(1, 0), 150);
    EXPECT_EQ(page->indexPathForCellToExpand(), (IndexPath{1, 0}));

    tapEmail(1, 0, 1);
    EXPECT_THAT(opener->events, ElementsAre("contact", backToOpener));
    EXPECT_EQ(opener->contacts.front().email, "b2@example.com");
    EXPECT_EQ(opener->contacts.front().firstName, "Ben");
}

TEST_F(ContactsPickerTest, GrantedWithoutContactsSaysSoWithoutTheSettingsButtonAndBackHandsNothingOver)
{
    openPicker(AuthorizationStatus::authorized);
    expectState("No Contacts on device", false, false);
    EXPECT_EQ(page->presentedViewController(), nullptr);
    tap(*page->backButton);
    EXPECT_THAT(opener->events, ElementsAre(backToOpener));
    EXPECT_EQ(topPage(), nullptr);
}

TEST_F(ContactsPickerTest, TheAnswerToTheAccessRequestDecidesOnTheMainRunLoop)
{
    writeAddressBook({person("Ann", "Adams", {"ann@example.com"})});
    ContactStoreSettings::shared()->setGrantsAccessWhenAsked(true);
    openPicker(AuthorizationStatus::notDetermined);
    ASSERT_TRUE(waitFor([this] { return !page->contacts().empty(); }));
    settle();
    expectState("", true, true);
    EXPECT_EQ(row(0, 0)->contactNameLabel.lock()->text(), "Ann Adams");

    // A page left before the answer comes is not woken by it.
    openPicker(AuthorizationStatus::notDetermined);
    tap(*page->backButton);
    page.reset();
    ASSERT_TRUE(finishBackgroundWork());

    ContactStoreSettings::shared()->setGrantsAccessWhenAsked(false);
    openPicker(AuthorizationStatus::notDetermined);
    const auto asked = page;
    ASSERT_TRUE(finishBackgroundWork());
    settle();
    expectState("Need permission to access Address Book", true, false);
    EXPECT_EQ(asked->presentedViewController(), nullptr);
}

TEST_F(ContactsPickerTest, ARefusalOnEntryOffersTheSettingsOnce)
{
    writeAddressBook({person("Ann", "Adams", {"ann@example.com"})});
    for (const auto status : {AuthorizationStatus::denied, AuthorizationStatus::restricted}) {
        auto& application = platform::ui::Application::shared();
        const auto opened = application.openedURLs().size();
        openPicker(status);
        expectState("Need permission to access Address Book", true, false);
        const auto alert = std::dynamic_pointer_cast<platform::ui::AlertController>(page->presentedViewController());
        ASSERT_NE(alert, nullptr);
        EXPECT_EQ(alert->alertTitle(), "Can not access Address Book");
        EXPECT_EQ(alert->message(), "You must give the app permission to access your Address Book.");
        EXPECT_TRUE(isShown(*alert->view()));

        tap(*alert->buttonForAction("Later"));
        EXPECT_EQ(page->presentedViewController(), nullptr);
        EXPECT_EQ(application.openedURLs().size(), opened);
        tap(*page->gotoSettingsButton.lock());
        ASSERT_EQ(application.openedURLs().size(), opened + 1);
        EXPECT_EQ(application.openedURLs().back(), platform::ui::Application::openSettingsURLString);
        tap(*page->backButton);
    }
    openPicker(AuthorizationStatus::denied);
    const auto alert = std::dynamic_pointer_cast<platform::ui::AlertController>(page->presentedViewController());
    ASSERT_NE(alert, nullptr);
    const auto opened = platform::ui::Application::shared().openedURLs().size();
    tap(*alert->buttonForAction("Open Settings"));
    EXPECT_EQ(platform::ui::Application::shared().openedURLs().size(), opened + 1);
}

TEST_F(ContactsPickerTest, ScrolledToItsEndOnItsSideAndTurnedBackUprightItShowsContactsToTheBottom)
{
    std::vector<platform::contacts::Contact> book;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        book.push_back(person("Pat", std::string(1, letter) + "ark", {std::string(1, letter) + "@example.com"}));
    }
    writeAddressBook(book);
    auto& screen = platform::ui::Screen::main();
    screen.setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    openPicker(AuthorizationStatus::authorized);
    const auto table = page->contactsTableView.lock();
    scrollToTheEnd(*fingers, *table);
    settle();
    ASSERT_GT(table->contentOffset().y, 0);

    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    settle();
    EXPECT_TRUE(scrolledWithinContent(*table));
    EXPECT_EQ(table->contentOffset().y, table->contentSize().height - table->bounds().height());
    const auto last = table->cellForRow({25, 0});
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->frame().maxY(), table->bounds().maxY());
}

} // namespace
} // namespace signers_screens_testing

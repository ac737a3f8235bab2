#include "contacts/ContactStore.h"
#include "contacts/ContactStoreSettings.h"
#include "contacts/VCardWriter.h"
#include "foundation/AtomicFile.h"
#include "support/VeltraTest.h"

#include <future>
#include <thread>

using namespace platform::contacts;

namespace {

class ContactStoreTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        settings()->setDirectory(home() / "AddressBook");
    }

    static std::shared_ptr<ContactStoreSettings> settings() { return ContactStoreSettings::shared(); }

    void writeCards(const std::string& fileName, const std::vector<std::string>& familyNames, const std::string& tail = "")
    {
        std::vector<Contact> contacts;
        for (const auto& name : familyNames) {
            Contact contact;
            contact.familyName = name;
            contact.givenName = "Given " + name;
            contact.emailAddresses = {{"work", name + "@example.com"}};
            contact.organizationName = name + " Inc.";
            contact.jobTitle = "Title";
            contact.imageData = std::vector<std::uint8_t>{1, 2, 3};
            contacts.push_back(contact);
        }
        platform::AtomicFile::write(home() / "AddressBook" / fileName, VCardWriter::write(contacts, VCardVersion::v3_0) + tail);
    }

    struct Answer {
        bool granted;
        bool hadError;
        std::thread::id thread;
    };

    static Answer requestAccess()
    {
        std::promise<Answer> answer;
        ContactStore().requestAccess([&answer](bool granted, std::optional<ContactError> error) {
            answer.set_value({granted, error.has_value(), std::this_thread::get_id()});
        });
        return answer.get_future().get();
    }
};

TEST_F(ContactStoreTest, AccessRequestDecidesOnceAndAnswersOnAnotherThread)
{
    EXPECT_EQ(ContactStore::authorizationStatus(), AuthorizationStatus::notDetermined);
    const Answer first = requestAccess();
    EXPECT_TRUE(first.granted);
    EXPECT_FALSE(first.hadError);
    EXPECT_NE(first.thread, std::this_thread::get_id());
    EXPECT_EQ(ContactStore::authorizationStatus(), AuthorizationStatus::authorized);

    settings()->setGrantsAccessWhenAsked(false);
    EXPECT_TRUE(requestAccess().granted);

    settings()->setAuthorizationStatus(AuthorizationStatus::notDetermined);
    const Answer refused = requestAccess();
    EXPECT_FALSE(refused.granted);
    EXPECT_TRUE(refused.hadError);
    EXPECT_EQ(ContactStore::authorizationStatus(), AuthorizationStatus::denied);

    settings()->setAuthorizationStatus(AuthorizationStatus::restricted);
    settings()->setGrantsAccessWhenAsked(true);
    EXPECT_FALSE(requestAccess().granted);
    EXPECT_EQ(ContactStore::authorizationStatus(), AuthorizationStatus::restricted);
}

TEST_F(ContactStoreTest, EnumeratesOnlyTheFetchedKeysInFileOrder)
{
    writeCards("b.vcf", {"Baker"});
    writeCards("a.vcf", {"Adams", "Allen"});
    platform::AtomicFile::write(home() / "AddressBook" / "notes.txt", "BEGIN:VCARD\nnot a card file");
    settings()->setAuthorizationStatus(AuthorizationStatus::authorized);

    std::vector<Contact> seen;
    const auto error = ContactStore().enumerateContacts(
        {{ContactKey::familyName, ContactKey::emailAddresses}}, [&](const Contact& contact, bool&) { seen.push_back(contact); });
    EXPECT_FALSE(error);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].familyName, "Adams");
    EXPECT_EQ(seen[2].familyName, "Baker");
    EXPECT_EQ(seen[0].emailAddresses, (std::vector<LabeledValue>{{"work", "Adams@example.com"}}));
    EXPECT_EQ(seen[0].givenName, "");
    EXPECT_EQ(seen[0].organizationName, "");
    EXPECT_FALSE(seen[0].imageData);
    EXPECT_EQ(seen[0].identifier, "a.vcf#0");
    EXPECT_NE(seen[0].identifier, seen[1].identifier);

    std::vector<std::string> stoppedAfterTwo;
    ContactStore().enumerateContacts({{ContactKey::givenName, ContactKey::imageData}}, [&](const Contact& contact, bool& stop) {
        stoppedAfterTwo.push_back(contact.givenName);
        EXPECT_TRUE(contact.imageData);
        stop = stoppedAfterTwo.size() == 2;
    });
    EXPECT_EQ(stoppedAfterTwo, (std::vector<std::string>{"Given Adams", "Given Allen"}));
}

TEST_F(ContactStoreTest, ReportsErrorsAfterTheContactsReadSoFar)
{
    int visited = 0;
    const auto denied = ContactStore().enumerateContacts({}, [&](const Contact&, bool&) { ++visited; });
    ASSERT_TRUE(denied);
    EXPECT_EQ(denied->code, ContactError::Code::accessDenied);
    EXPECT_EQ(visited, 0);

    settings()->setAuthorizationStatus(AuthorizationStatus::authorized);
    EXPECT_FALSE(ContactStore().enumerateContacts({}, [&](const Contact&, bool&) { ++visited; }));
    EXPECT_EQ(visited, 0);

    writeCards("1.vcf", {"One"});
    writeCards("2.vcf", {"Two"}, "BEGIN:VCARD\nVERSION:3.0\nbroken line\nEND:VCARD\n");
    writeCards("3.vcf", {"Three"});
    std::vector<std::string> names;
    const auto error = ContactStore().enumerateContacts(
        {{ContactKey::familyName}}, [&](const Contact& contact, bool&) { names.push_back(contact.familyName); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, ContactError::Code::unreadableData);
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Two"}));
}

} // namespace

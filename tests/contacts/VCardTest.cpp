#include "contacts/VCardReader.h"
#include "contacts/VCardWriter.h"
#include "support/VeltraTest.h"

#include <sstream>

using namespace platform::contacts;

namespace {

class VCardTest : public testing_support::VeltraTest {};

const std::vector<std::uint8_t> photoBytes = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01, 0x01, 0x02};

TEST_F(VCardTest, ReadsVersion21WithQuotedPrintableAndFoldedPicture)
{
    const std::string card =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FC=\r\nrgen;;;\r\n"
        "FN:J\xFCrgen M\xFCller\r\n"
        "EMAIL;INTERNET;WORK:jm@example.com\r\nEMAIL;PREF;INTERNET:juergen@example.org\r\n"
        "ORG:Acme GmbH;Sales\r\nTITLE;ENCODING=QUOTED-PRINTABLE:Head =3D Boss\r\n"
        "PHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQSk\r\n ZJRgABAQI=\r\n\r\n"
        "END:VCARD\r\n";
    const auto result = VCardReader::read(card);
    ASSERT_FALSE(result.error) << result.error->description;
    ASSERT_EQ(result.contacts.size(), 1u);
    const Contact& contact = result.contacts[0];
    EXPECT_EQ(contact.familyName, "M\u00FCller");
    EXPECT_EQ(contact.givenName, "J\u00FCrgen");
    EXPECT_EQ(contact.emailAddresses,
        (std::vector<LabeledValue>{{"work", "jm@example.com"}, {"", "juergen@example.org"}}));
    EXPECT_EQ(contact.organizationName, "Acme GmbH");
    EXPECT_EQ(contact.jobTitle, "Head = Boss");
    EXPECT_EQ(contact.imageData, photoBytes);
}

TEST_F(VCardTest, ReadsVersions30And40InOneStream)
{
    const std::string stream =
        "begin:vcard\nVERSION:3.0\nN:O\\'Brien\\, Jr.;Ann\\;Marie;;;\nFN:Ann O'Brien\n"
        "item1.EMAIL;TYPE=INTERNET,HOME:ann@exa\n mple.com\nTITLE:Line one\\nLine two\\, still\n"
        "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQI=\nUID:abc-1\nend:vcard\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Zeta;anna;;;\r\nEMAIL;TYPE=\"work,voice\";PREF=1:anna@z.example\r\n"
        "EMAIL:second@z.example\r\nORG:Z:Corp\r\nPHOTO:data:image/jpeg;base64,/9j/4AAQSkZJRgABAQI=\r\nEND:VCARD";
    const auto result = VCardReader::read(stream);
    ASSERT_FALSE(result.error) << result.error->description;
    ASSERT_EQ(result.contacts.size(), 2u);
    EXPECT_EQ(result.contacts[0].familyName, "O'Brien, Jr.");
    EXPECT_EQ(result.contacts[0].givenName, "Ann;Marie");
    EXPECT_EQ(result.contacts[0].emailAddresses, (std::vector<LabeledValue>{{"home", "ann@example.com"}}));
    EXPECT_EQ(result.contacts[0].jobTitle, "Line one\nLine two, still");
    EXPECT_EQ(result.contacts[0].identifier, "abc-1");
    EXPECT_EQ(result.contacts[0].imageData, photoBytes);
    EXPECT_EQ(result.contacts[1].givenName, "anna");
    EXPECT_EQ(result.contacts[1].emailAddresses,
        (std::vector<LabeledValue>{{"work", "anna@z.example"}, {"", "second@z.example"}}));
    EXPECT_EQ(result.contacts[1].organizationName, "Z:Corp");
    EXPECT_EQ(result.contacts[1].imageData, photoBytes);
}

TEST_F(VCardTest, KeepsTheGoodCardsBeforeABadOne)
{
    const std::string good = "BEGIN:VCARD\nVERSION:3.0\nN:Good;One;;;\nEND:VCARD\n";
    const std::string after = "BEGIN:VCARD\nVERSION:3.0\nN:Never;Read;;;\nEND:VCARD\n";
    const std::vector<std::string> badCards = {
        "BEGIN:VCARD\nVERSION:3.0\nthis line has no value\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:3.0\nBEGIN:VCARD\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:9.9\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:3.0\nPHOTO;ENCODING=b:not*base64!\nEND:VCARD\n",
        "stray text between cards\n",
        "END:VCARD\n",
    };
    for (const std::string& bad : badCards) {
        SCOPED_TRACE(bad);
        const auto result = VCardReader::read(good + bad + after);
        ASSERT_TRUE(result.error);
        EXPECT_EQ(result.error->code, ContactError::Code::unreadableData);
        ASSERT_EQ(result.contacts.size(), 1u);
        EXPECT_EQ(result.contacts[0].familyName, "Good");
    }
    const auto truncated = VCardReader::read(good + "BEGIN:VCARD\nVERSION:3.0\nN:Cut;");
    EXPECT_TRUE(truncated.error);
    EXPECT_EQ(truncated.contacts.size(), 1u);
    EXPECT_TRUE(VCardReader::read(std::string_view()).error);
    EXPECT_TRUE(VCardReader::read(std::string_view("\n\n  \n")).error);
    EXPECT_TRUE(VCardReader::read(std::string_view("%PDF-1.4 binary")).error);
}

TEST_F(VCardTest, WrittenCardsReadBackInEveryVersion)
{
    Contact contact;
    contact.identifier = "id-7";
    contact.givenName = "Zo\u00EB";
    contact.familyName = "Smith; \"the\" second, \\ of\nnone";
    contact.emailAddresses = {{"work", "zoe@example.com"}, {"", "z@example.org"}};
    contact.organizationName = std::string(90, 'O') + "\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9" + std::string(50, 'x');
    contact.jobTitle = "Chief = Officer";
    contact.imageData = std::vector<std::uint8_t>(300, 0xAB);
    for (const auto version : {VCardVersion::v2_1, VCardVersion::v3_0, VCardVersion::v4_0}) {
        SCOPED_TRACE(static_cast<int>(version));
        const std::string text = VCardWriter::write({contact, Contact{}}, version);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_TRUE(line.empty() || line.back() == '\r');
            EXPECT_LE(line.size(), 76u) << line;
        }
        const auto result = VCardReader::read(text);
        ASSERT_FALSE(result.error) << result.error->description << "\n" << text;
        ASSERT_EQ(result.contacts.size(), 2u);
        EXPECT_EQ(result.contacts[0], contact) << text;
        EXPECT_EQ(result.contacts[1], Contact{});
    }
}

} // namespace

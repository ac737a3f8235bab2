#include "foundation/Base64.h"
#include "foundation/DateFormatter.h"
#include "foundation/Environment.h"
#include "foundation/Text.h"
#include "foundation/Uuid.h"

#include "support/VeltraTest.h"

#include <regex>

namespace text = platform::text;

TEST(TextTest, TrimsTheirOwnWhitespaceSets)
{
    EXPECT_EQ(text::trimSpacesAndTabs(" \t ann \t"), "ann");
    EXPECT_EQ(text::trimSpacesAndTabs("\nann\n"), "\nann\n");
    EXPECT_EQ(text::trimWhitespace("\xC2\xA0 ann\xE2\x80\x83"), "ann");
    EXPECT_EQ(text::trimWhitespace("\nann"), "\nann");
    EXPECT_EQ(text::trimWhitespaceAndNewlines("\n\t ann b \r\n"), "ann b");
    EXPECT_EQ(text::trimSpacesAndTabs("   "), "");
}

TEST(TextTest, DigitsLengthsAndCase)
{
    EXPECT_TRUE(text::isAllDecimalDigits("0123"));
    EXPECT_TRUE(text::isAllDecimalDigits("\xD9\xA3\xD9\xA4")); // Arabic-Indic digits
    EXPECT_FALSE(text::isAllDecimalDigits("12a"));
    EXPECT_FALSE(text::isAllDecimalDigits(""));
    EXPECT_EQ(text::utf16Length("a\xC3\xA9\xF0\x9F\x98\x80"), 4u);
    EXPECT_EQ(text::capitalizeFirst("\xC3\xA9mile b"), "\xC3\x89mile b");
    EXPECT_LT(text::localizedCaseInsensitiveCompare("apple", "Banana"), 0);
    EXPECT_EQ(text::localizedCaseInsensitiveCompare("Group", "group"), 0);
    EXPECT_TRUE(text::caseInsensitiveEquals("ANN@x.com", "ann@X.COM"));
    EXPECT_FALSE(text::isValidUtf8("a\xff"));
}

TEST(TextTest, RemovingBidiControlsKeepsEveryOtherByte)
{
    EXPECT_EQ(text::removingNulAndBidiControls(std::string("a\xff\0\xE2\x80\xAE\xE2\x80", 8)), "a\xff\xE2\x80");
    EXPECT_EQ(text::removingNulAndBidiControls("\xE2\x80\xA9\xE2\x81\xAA"), "\xE2\x80\xA9\xE2\x81\xAA")
        << "U+2029 and U+206A lie just outside the controls";
}

class DateFormatterTest : public testing_support::VeltraTest {};

TEST_F(DateFormatterTest, FormatsInTheDeviceZoneWithWeekBasedYears)
{
    const platform::Date lateDecember(1735516800); // 2024-12-30T00:00:00Z, in week 1 of 2025
    EXPECT_EQ(platform::DateFormatter("yyyy-MM-dd").format(lateDecember), "2024-12-30");
    EXPECT_EQ(platform::DateFormatter("YYYY").format(lateDecember), "2025");
    platform::Environment::setTimeZone("America/New_York");
    EXPECT_EQ(platform::DateFormatter("MMM d, yyyy HH:mm").format(lateDecember), "Dec 29, 2024 19:00");
    const auto parsed = platform::DateFormatter("yyyy-MM-dd").parse("2024-12-30");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_DOUBLE_EQ(parsed->timeIntervalSince1970(), 1735534800);
    EXPECT_FALSE(platform::DateFormatter("yyyy-MM-dd").parse("30/12/2024").has_value());
}

TEST(UuidTest, MakesDistinctVersionFourStrings)
{
    const std::regex shape("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
    const auto a = platform::makeUuidString();
    EXPECT_TRUE(std::regex_match(a, shape)) << a;
    EXPECT_NE(a, platform::makeUuidString());
}

TEST(TextTest, Base64AndHexEscapesDecodeOnlyWhatIsWellFormed)
{
    EXPECT_EQ(text::decodeHexEscapes("a%20b%2fc%4", '%'), "a b/c%4");
    EXPECT_EQ(text::decodeHexEscapes("=C3=A9=\r\n=ZZ", '='), "\xC3\xA9=\r\n=ZZ");
    EXPECT_EQ(text::decodeHexEscapes("100%", '%'), "100%");

    using platform::Base64;
    EXPECT_EQ(Base64::decode("TWFu"), (std::vector<std::uint8_t>{'M', 'a', 'n'}));
    EXPECT_EQ(Base64::decode("TW E"), (std::vector<std::uint8_t>{'M', 'a'}));
    EXPECT_FALSE(Base64::decode("TW=Fu"));
    EXPECT_FALSE(Base64::decode("T"));
    EXPECT_FALSE(Base64::decode("TW#u"));
    EXPECT_EQ(Base64::encode(std::vector<std::uint8_t>{'M', 'a'}), "TWE=");
}

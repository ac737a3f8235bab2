#include "CompiledRules.h"

#include "signers/KWPhoneFormat.h"
#include "support/VeltraTest.h"

#include <gtest/gtest.h>

#include <fstream>

using signers_tests::sampleRulesFile;

namespace {

void put32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void put16(std::vector<std::uint8_t>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void putField(std::vector<std::uint8_t>& bytes, std::string_view text)
{
    for (std::size_t index = 0; index < 4; ++index)
        bytes.push_back(index < text.size() ? static_cast<std::uint8_t>(text[index]) : 0);
}

// A header of one entry ("1", "us") whose block starts `offset` bytes after the header.
std::vector<std::uint8_t> oneEntryHeader(std::uint32_t count, std::uint32_t offset)
{
    std::vector<std::uint8_t> bytes;
    put32(bytes, count);
    putField(bytes, "1");
    putField(bytes, "us");
    put32(bytes, offset);
    return bytes;
}

void expectKnowsNothing(const KWPhoneFormat& phone)
{
    EXPECT_EQ(phone.format("650 253 0000"), "650 253 0000");
    EXPECT_EQ(phone.format("+1 650"), "+1 650");
    EXPECT_FALSE(phone.isPhoneNumberValid("+1 650 253 0000"));
    EXPECT_FALSE(phone.isPhoneNumberValid("6502530000"));
    EXPECT_EQ(phone.callingCodeForCountryCode("us"), std::nullopt);
    EXPECT_EQ(phone.countriesForCallingCode("1"), std::nullopt);
    EXPECT_EQ(phone.defaultCallingCode(), std::nullopt);
    EXPECT_EQ(phone.callingCodeInfo("1"), nullptr);
}

TEST(PhoneFormatFile, AMissingOrEmptyFileKnowsNothing)
{
    expectKnowsNothing(KWPhoneFormat(std::filesystem::path("/nonexistent/PhoneFormats.dat"), std::string("us")));
    expectKnowsNothing(KWPhoneFormat(std::vector<std::uint8_t>{}, std::string("us")));
    expectKnowsNothing(KWPhoneFormat(std::vector<std::uint8_t>{1, 0}, std::string("us")));
}

TEST(PhoneFormatFile, AFileOnDiskIsReadWhole)
{
    // A folder of its own: runs of the suite side by side must not share the file.
    const auto folder = testing_support::makeTemporaryDirectory("phone-format-test");
    const auto path = folder / "PhoneFormats.dat";
    const auto bytes = sampleRulesFile();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    const KWPhoneFormat phone(path, std::string("us"));
    std::filesystem::remove_all(folder);
    EXPECT_EQ(phone.format("6502530000"), "(650) 253-0000");
}

TEST(PhoneFormatFile, ACountOfZeroOrLessMeansNoEntries)
{
    expectKnowsNothing(KWPhoneFormat(oneEntryHeader(0, 0), std::string("us")));
    expectKnowsNothing(KWPhoneFormat(oneEntryHeader(0xFFFFFFFFu, 0), std::string("us")));
}

TEST(PhoneFormatFile, AHugeCountReadsOnlyTheEntriesInTheData)
{
    const KWPhoneFormat phone(oneEntryHeader(0x7FFFFFFF, 0), std::string("us"));
    EXPECT_EQ(phone.callingCodeForCountryCode("us"), "1");
    // The block lies past the data: a record without prefixes or rules.
    ASSERT_NE(phone.callingCodeInfo("1"), nullptr);
    EXPECT_TRUE(phone.callingCodeInfo("1")->ruleSets.empty());
    EXPECT_EQ(phone.format("+1650"), "+1 650");
    EXPECT_EQ(phone.format("650"), "650");
}

TEST(PhoneFormatFile, RuleCountsBeyondTheDataAreNotInvented)
{
    auto bytes = oneEntryHeader(1, 0);
    put16(bytes, 14); // rule sets right after the prefix lists
    put16(bytes, 0);
    put16(bytes, 0);
    put16(bytes, 0);
    put16(bytes, 0xFFFF); // sets
    put16(bytes, 0);
    bytes.push_back(0); // no trunk prefixes
    bytes.push_back(0); // no access prefixes
    put16(bytes, 1);      // matchLen
    put16(bytes, 0xFFFF); // rules, none of which is there
    const KWPhoneFormat phone(bytes, std::string("us"));
    const CallingCodeInfo* record = phone.callingCodeInfo("1");
    ASSERT_NE(record, nullptr);
    ASSERT_EQ(record->ruleSets.size(), 1u);
    EXPECT_TRUE(record->ruleSets[0].rules.empty());
    EXPECT_EQ(phone.format("6502530000"), "6502530000");
}

TEST(PhoneFormatFile, EveryTruncationAnswersSafely)
{
    const auto full = sampleRulesFile();
    for (std::size_t length = 0; length <= full.size(); ++length) {
        const KWPhoneFormat phone(std::vector<std::uint8_t>(full.begin(), full.begin() + static_cast<long>(length)),
                                  std::string("us"));
        for (const char* number : {"6502530000", "+1 650 253 0000", "+44 20 7946 0018", "011 44 20", "1650"}) {
            const std::string formatted = phone.format(number);
            EXPECT_EQ(KWPhoneFormat::strip(formatted), KWPhoneFormat::strip(number)) << length << " " << number;
            phone.isPhoneNumberValid(number);
        }
        // The first entry's country "us" ends at byte 10.
        if (length < 10) {
            EXPECT_EQ(phone.callingCodeForCountryCode("us"), std::nullopt) << length;
        }
    }
}

TEST(PhoneFormatFile, StripKeepsDigitsOfAnyScriptPlusStarAndHash)
{
    EXPECT_EQ(KWPhoneFormat::strip("+1 (650) 253-0000 x12 *#ä."), "+1650253000012*#");
    EXPECT_EQ(KWPhoneFormat::strip("＋٣٣ ۶ १२-３４"), "+3361234");
    EXPECT_EQ(KWPhoneFormat::strip(""), "");
}

} // namespace

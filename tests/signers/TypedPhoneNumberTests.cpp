#include "signers/TypedPhoneNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TypedPhoneNumber, ReadsTheDecimalDigitsOfEveryScriptAsAsciiDigits)
{
    EXPECT_EQ(TypedPhoneNumber::normalized("٠١٢٣٤٥٦٧٨٩"), "0123456789");  // Arabic-Indic
    EXPECT_EQ(TypedPhoneNumber::normalized("۰۱۲۳۴۵۶۷۸۹"), "0123456789");  // Extended Arabic-Indic
    EXPECT_EQ(TypedPhoneNumber::normalized("०१२३४५६७८९"), "0123456789");  // Devanagari
    EXPECT_EQ(TypedPhoneNumber::normalized("０１２３４５６７８９"), "0123456789");  // full-width
    EXPECT_EQ(TypedPhoneNumber::normalized("๐๑๒"), "012");  // Thai
    EXPECT_EQ(TypedPhoneNumber::normalized("𝟘𝟙𝟚"), "012");  // mathematical, outside the basic plane
    EXPECT_EQ(TypedPhoneNumber::normalized("0123456789"), "0123456789");
}

TEST(TypedPhoneNumber, KeepsThePlusAndAPlainSpaceForEveryKindOfSpace)
{
    EXPECT_EQ(TypedPhoneNumber::normalized("＋٣٣"), "+33");
    EXPECT_EQ(TypedPhoneNumber::normalized("+963\u00A011\u3000234\t5\n6\u202F7"), "+963 11 234 5 6 7");
}

TEST(TypedPhoneNumber, DropsInvisibleMarksAndMalformedBytesAndKeepsOtherCharacters)
{
    // Direction marks, isolates, a zero-width joiner, a control character.
    EXPECT_EQ(TypedPhoneNumber::normalized("\u200F+\u2066٩٦٣\u2069 \u200D1\x01"), "+963 1");
    EXPECT_EQ(TypedPhoneNumber::normalized("1\xC3\x28" "2\xFF" "3"), "1(23");
    EXPECT_EQ(TypedPhoneNumber::normalized("1-800-FLOWERS é*#"), "1-800-FLOWERS é*#");
    EXPECT_EQ(TypedPhoneNumber::normalized(""), "");
}

TEST(TypedPhoneNumber, RefusesTextLongerThanTheCapCountedInCharacters)
{
    const auto arabicIndicNines = [](std::size_t count) {
        std::string text;
        for (std::size_t index = 0; index < count; ++index)
            text += "٩";
        return text;
    };
    EXPECT_EQ(TypedPhoneNumber::bounded(arabicIndicNines(TypedPhoneNumber::kMaxLength)),
              std::string(TypedPhoneNumber::kMaxLength, '9'));
    EXPECT_EQ(TypedPhoneNumber::bounded(arabicIndicNines(TypedPhoneNumber::kMaxLength + 1)), std::nullopt);
    EXPECT_EQ(TypedPhoneNumber::bounded(std::string(100000, '5')), std::nullopt);
    // Dropped characters still count as typed.
    EXPECT_EQ(TypedPhoneNumber::bounded(std::string(TypedPhoneNumber::kMaxLength + 1, '\x01')), std::nullopt);
    EXPECT_EQ(TypedPhoneNumber::normalized(std::string(100000, '5')).size(), 100000u);
}

} // namespace

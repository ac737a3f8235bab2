#include "CompiledRules.h"

#include "signers/KWPhoneFormat.h"

#include <gtest/gtest.h>

using signers_tests::compileRules;
using signers_tests::sampleRulesFile;

namespace {

class PhoneFormatTest : public ::testing::Test {
protected:
    KWPhoneFormat us{sampleRulesFile(), std::string("us")};
    KWPhoneFormat gb{sampleRulesFile(), std::string("gb")};
};

TEST_F(PhoneFormatTest, FormatsANationalNumberKeystrokeByKeystroke)
{
    const std::vector<std::pair<std::string, std::string>> keystrokes{
        {"6", "(6  )"},           {"65", "(65 )"},          {"650", "(650)"},
        {"6502", "(650) 2"},      {"650253", "(650) 253"},  {"6502530", "(650) 253-0"},
        {"6502530000", "(650) 253-0000"},
    };
    for (const auto& [typed, shown] : keystrokes)
        EXPECT_EQ(us.format(typed), shown) << typed;
}

TEST_F(PhoneFormatTest, TakesItsPunctuationOnlyFromTheRule)
{
    EXPECT_EQ(us.format("650.253-00 00 ext"), "(650) 253-0000");
    EXPECT_EQ(us.format("(6)5-0"), "(650)");
}

TEST_F(PhoneFormatTest, FormatsInternationalNumbersByTheirCallingCode)
{
    EXPECT_EQ(us.format("+1 650 253 0000"), "+1 (650) 253-0000");
    EXPECT_EQ(us.format("+44 20 7946 0018"), "+44 20 7946 0018");
    EXPECT_EQ(gb.format("+16502"), "+1 (650) 2");
    EXPECT_EQ(us.format("+1"), "+1");
    // Too short for any rule: calling code, a space, the digits.
    EXPECT_EQ(us.format("+44 2"), "+44 2");
}

TEST_F(PhoneFormatTest, LeavesUnknownCallingCodesUntouchedAndUnstripped)
{
    EXPECT_EQ(us.format("+999 12-34"), "+999 12-34");
    EXPECT_EQ(us.format("+"), "+");
    EXPECT_FALSE(us.isPhoneNumberValid("+999 1234"));
}

TEST_F(PhoneFormatTest, ReadsTheDefaultCallingCodeAtTheStartOfANationalNumber)
{
    EXPECT_EQ(us.format("16502530000"), "1 (650) 253-0000");
    EXPECT_EQ(us.format("1"), "1");
    EXPECT_EQ(us.format("0"), "0");
}

TEST_F(PhoneFormatTest, GivesATrunkPrefixBackInItsSlotOrInFront)
{
    EXPECT_EQ(gb.format("02079460018"), "020 7946 0018");
    EXPECT_EQ(gb.format("0207"), "020 7");
    EXPECT_EQ(gb.format("07911123456"), "07911 123456");
}

TEST_F(PhoneFormatTest, FormatsWhatFollowsAnInternationalAccessPrefix)
{
    EXPECT_EQ(us.format("011 44 20 7946 0018"), "011 44 20 7946 0018");
    EXPECT_EQ(us.format("011"), "011");
    EXPECT_EQ(us.format("011 999 12"), "011 99912");
    EXPECT_EQ(gb.format("00 1 650 253"), "00 1 (650) 253");
}

TEST_F(PhoneFormatTest, ValidatesCompleteNumbersOnly)
{
    EXPECT_TRUE(us.isPhoneNumberValid("(650) 253-0000"));
    EXPECT_FALSE(us.isPhoneNumberValid("650 253 000"));
    EXPECT_FALSE(us.isPhoneNumberValid("150 253 0000"));
    EXPECT_TRUE(us.isPhoneNumberValid("+1 650 253 0000"));
    EXPECT_TRUE(us.isPhoneNumberValid("+44 20 7946 0018"));
    EXPECT_TRUE(us.isPhoneNumberValid("011 44 20 7946 0018"));
    EXPECT_FALSE(us.isPhoneNumberValid("011"));
    EXPECT_FALSE(us.isPhoneNumberValid("011 999 1234567"));
    EXPECT_TRUE(gb.isPhoneNumberValid("020 7946 0018"));
    EXPECT_FALSE(gb.isPhoneNumberValid("020 7946 001"));
}

TEST_F(PhoneFormatTest, FormatsAndValidatesDigitsOfOtherScriptsAsAsciiDigits)
{
    EXPECT_EQ(us.format("٦٥٠٢٥٣٠٠٠٠"), "(650) 253-0000");
    EXPECT_EQ(us.format("+١ ۶۵۰ २५३"), "+1 (650) 253");
    EXPECT_EQ(us.format("＋１６５０"), "+1 (650)");
    EXPECT_EQ(gb.format("٠٠ ١ ٦٥٠"), "00 1 (650)");
    EXPECT_EQ(gb.format("०२०७९४६००१८"), "020 7946 0018");
    EXPECT_TRUE(us.isPhoneNumberValid("+٤٤ ٢٠ ٧٩٤٦ ٠٠١٨"));
    EXPECT_FALSE(us.isPhoneNumberValid("٦٥٠ ٢٥٣ ٠٠٠"));
    // Unknown calling codes still come back as typed.
    EXPECT_EQ(us.format("+٣٣"), "+٣٣");
    EXPECT_EQ(us.format("+۹۹۹ ۱"), "+۹۹۹ ۱");
}

TEST_F(PhoneFormatTest, LooksUpCountriesAndCallingCodesInAnyCase)
{
    EXPECT_EQ(us.callingCodeForCountryCode("GB"), "44");
    EXPECT_EQ(us.callingCodeForCountryCode("Us"), "1");
    EXPECT_EQ(us.callingCodeForCountryCode("zz"), std::nullopt);
    EXPECT_EQ(us.callingCodeForCountryCode(""), std::nullopt);
    const std::set<std::string> northAmerica{"ca", "us"};
    EXPECT_EQ(us.countriesForCallingCode("+1"), northAmerica);
    EXPECT_EQ(us.countriesForCallingCode("1"), northAmerica);
    EXPECT_EQ(us.countriesForCallingCode("999"), std::nullopt);
    EXPECT_EQ(us.defaultCallingCode(), "1");
    EXPECT_EQ(gb.defaultCallingCode(), "44");
}

TEST_F(PhoneFormatTest, KeepsEachCallingCodesPrefixesInItsRecord)
{
    const CallingCodeInfo* uk = us.callingCodeInfo("44");
    ASSERT_NE(uk, nullptr);
    EXPECT_EQ(us.callingCodeInfo("44"), uk);
    EXPECT_EQ(uk->trunkPrefixes, std::vector<std::string>{"0"});
    EXPECT_EQ(uk->intlPrefixes, std::vector<std::string>{"00"});
    EXPECT_EQ(uk->matchingAccessCode("0044"), "00");
    EXPECT_EQ(uk->matchingTrunkCode("020"), "0");
    EXPECT_EQ(uk->matchingTrunkCode("20"), std::nullopt);
    EXPECT_EQ(uk->ruleSets.at(0).rules.at(0).format, "n## #### ####");
    EXPECT_EQ(us.callingCodeInfo("7"), nullptr);
    // A code is its digits as written: a leading zero makes another code.
    EXPECT_EQ(us.callingCodeInfo("044"), nullptr);
    EXPECT_EQ(us.callingCodeInfo("01"), nullptr);
    EXPECT_EQ(us.callingCodeInfo("4"), nullptr);
    EXPECT_EQ(us.callingCodeInfo("1")->callingCode, "1");
}

TEST_F(PhoneFormatTest, DescribesARecordForTheLog)
{
    const std::string description = us.callingCodeInfo("1")->description();
    EXPECT_EQ(description.rfind("CountryInfo { countries: (ca, us), code: 1, trunkPrefixes: (1), intlPrefixes: (011), "
                                "rule sets: (RuleSet: { matchLen: 1, rules: (Rule: { minVal: 2, maxVal: 9,",
                                0),
              0u);
    EXPECT_TRUE(description.ends_with("format: c (###) ###-#### }) }) }"));
}

TEST(PhoneFormatDefaultCountry, AnUpperCaseCountryMatchesNoEntry)
{
    const KWPhoneFormat upper(sampleRulesFile(), std::string("US"));
    EXPECT_EQ(upper.defaultCountry(), "US");
    EXPECT_EQ(upper.defaultCallingCode(), std::nullopt);
    EXPECT_EQ(upper.format("6502530000"), "6502530000");
    EXPECT_FALSE(upper.isPhoneNumberValid("6502530000"));
    EXPECT_EQ(upper.format("+1 650"), "+1 (650)");
    EXPECT_EQ(upper.callingCodeForCountryCode("US"), "1");
}

TEST(PhoneFormatCallingCodes, TheShortestKnownCallingCodeWins)
{
    const auto rules = R"(
code 4
  set 1
    rule 0 9 6 c "c ### ###"
code 44
  set 1
    rule 0 9 6 c "c ## ####"
code 441
  set 1
    rule 0 9 6 c "c # #####"
)";
    const std::vector<phonerules::Region> all{{"xa", "4", {}}, {"gb", "44", {}}, {"xb", "441", {}}};
    const KWPhoneFormat withFour(compileRules(rules, all), std::string("gb"));
    EXPECT_EQ(withFour.format("+4412345"), "+4 412 345");

    const auto twoAndThree = std::string(rules).substr(std::string(rules).find("code 44"));
    const KWPhoneFormat withoutFour(compileRules(twoAndThree, {all[1], all[2]}), std::string("gb"));
    EXPECT_EQ(withoutFour.format("+4412345"), "+44 12 345");
    EXPECT_EQ(withoutFour.format("+4"), "+4");
}

TEST(PhoneFormatAnnotations, AreDroppedAndAnUnclosedOneHidesTheRest)
{
    auto source = phonerules::PhoneRulesParser::parse(R"(
code 1
  set 1
    rule 1 1 6 - "### ###[[ closed ]]"
    rule 3 3 6 - "##]] #[[x]]# ##"
)");
    // The compiler refuses an unclosed "[[", so this rule goes in behind its back.
    source.callingCodes[0].ruleSets[0].rules.push_back({2, 2, 6, 0, "### ###[[ never closed ##"});
    const KWPhoneFormat phone(phonerules::PhoneFormatsWriter::write(source, {{"us", "1", {}}}), std::string("us"));
    EXPECT_EQ(phone.format("+1123456"), "+1 123 456");
    EXPECT_EQ(phone.format("+1223456"), "+1 223 456");
    const auto& rules = phone.callingCodeInfo("1")->ruleSets[0].rules;
    EXPECT_EQ(rules[1].format, "##]] ## ##");
    EXPECT_EQ(rules[2].format, "### ###");
}

} // namespace

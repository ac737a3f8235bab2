#include "signers/PhoneRule.h"
#include "signers/RuleSet.h"

#include <gtest/gtest.h>

namespace {

PhoneRule makeRule(int minVal, int maxVal, int maxLen, int flag12, std::string format)
{
    PhoneRule rule;
    rule.minVal = minVal;
    rule.maxVal = maxVal;
    rule.maxLen = maxLen;
    rule.flag12 = flag12;
    rule.format = std::move(format);
    return rule;
}

std::string layout(const std::string& format, std::string_view digits, std::optional<std::string> intl = {},
                   std::optional<std::string> trunk = {})
{
    return makeRule(0, 9, 15, 0, format).formatIntlPrefixTrunkPrefix(digits, intl, trunk);
}

TEST(PhoneRule, PunctuationGrowsAsDigitsAreTypedAndOpenGroupsArePadded)
{
    const std::string format = "(###) ###-####";
    EXPECT_EQ(layout(format, ""), "");
    EXPECT_EQ(layout(format, "1"), "(1  )");
    EXPECT_EQ(layout(format, "12"), "(12 )");
    EXPECT_EQ(layout(format, "123"), "(123)");
    EXPECT_EQ(layout(format, "1234"), "(123) 4");
    EXPECT_EQ(layout(format, "123456"), "(123) 456");
    EXPECT_EQ(layout(format, "1234567"), "(123) 456-7");
    EXPECT_EQ(layout(format, "1234567890"), "(123) 456-7890");
    // Digits beyond the format are kept, never lost from what the user typed.
    EXPECT_EQ(layout(format, "123456789012"), "(123) 456-789012");
}

TEST(PhoneRule, PrefixSlotsTakeThePrefixOrVanishWithTheirSpace)
{
    EXPECT_EQ(layout("c ## ####", "201234", "44"), "44 20 1234");
    EXPECT_EQ(layout("c ## ####", "201234"), "20 1234");
    EXPECT_EQ(layout("n## ####", "201234", {}, "0"), "020 1234");
    EXPECT_EQ(layout("n ## ####", "201234"), "20 1234");
    EXPECT_EQ(layout("(n#) ####", "21234", {}, "0"), "(02) 1234");
}

TEST(PhoneRule, PrefixesWithoutASlotGoInFront)
{
    EXPECT_EQ(layout("## ####", "201234", "44"), "44 20 1234");
    EXPECT_EQ(layout("## ####", "201234", {}, "0"), "020 1234");
    // A calling code wins over a trunk prefix when the format has room for neither.
    EXPECT_EQ(layout("## ####", "201234", "44", "0"), "44 20 1234");
}

TEST(PhoneRule, DescriptionListsEveryField)
{
    PhoneRule rule = makeRule(20, 29, 10, 3, "n## ####");
    rule.byte8 = 1;
    rule.otherFlag = 2;
    rule.prefixLen = 4;
    rule.flag13 = 5;
    EXPECT_EQ(rule.description(), "Rule: { minVal: 20, maxVal: 29, byte8: 1, maxLen: 10, nFlag: 2, prefixLen: 4, "
                                  "flag12: 3, flag13: 5, format: n## #### }");
    EXPECT_TRUE(rule.hasTrunkPrefix());
    EXPECT_TRUE(rule.hasIntlPrefix());
}

class RuleSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set.matchLen = 2;
        set.addRule(makeRule(20, 29, 8, 0, "## ######"));
        set.addRule(makeRule(20, 29, 8, 1, "n## ######"));
        set.addRule(makeRule(20, 29, 8, 2, "c ## ######"));
    }

    std::optional<std::string> format(std::string_view number, std::optional<std::string> intl,
                                      std::optional<std::string> trunk, bool prefixRequired) const
    {
        return set.formatIntlPrefixTrunkPrefixPrefixRequired(number, intl, trunk, prefixRequired);
    }

    RuleSet set;
};

TEST_F(RuleSetTest, ChoosesTheRuleMadeForTheWrittenPrefix)
{
    EXPECT_TRUE(set.hasRuleWithIntlPrefix);
    EXPECT_TRUE(set.hasRuleWithTrunkPrefix);
    EXPECT_EQ(format("21234567", {}, {}, true), "21 234567");
    EXPECT_EQ(format("21234567", {}, "0", true), "021 234567");
    EXPECT_EQ(format("21234567", "99", {}, true), "99 21 234567");
}

TEST_F(RuleSetTest, AnswersNothingOutsideItsRangeLengthOrMatchLength)
{
    EXPECT_EQ(format("31234567", {}, {}, false), std::nullopt);
    EXPECT_EQ(format("212345678", {}, {}, false), std::nullopt);
    EXPECT_EQ(format("2", {}, {}, false), std::nullopt);
    EXPECT_EQ(format("2", "99", {}, false), std::nullopt);
}

TEST(RuleSet, FallsBackToAnyFittingRuleOnlyWhenNoPrefixIsRequired)
{
    RuleSet set;
    set.matchLen = 1;
    set.addRule(makeRule(2, 9, 6, 0, "### ###"));
    EXPECT_EQ(set.formatIntlPrefixTrunkPrefixPrefixRequired("234567", {}, std::string("0"), true), std::nullopt);
    EXPECT_EQ(set.formatIntlPrefixTrunkPrefixPrefixRequired("234567", {}, std::string("0"), false), "0234 567");
    EXPECT_EQ(set.formatIntlPrefixTrunkPrefixPrefixRequired("234567", std::string("7"), {}, false), "7 234 567");
}

TEST(RuleSet, ValidityNeedsAFittingRuleOfExactlyTheFullLength)
{
    RuleSet set;
    set.matchLen = 1;
    set.addRule(makeRule(2, 9, 6, 0, "### ###"));
    EXPECT_TRUE(set.isValidIntlPrefixTrunkPrefixPrefixRequired("234567", {}, {}, true));
    EXPECT_FALSE(set.isValidIntlPrefixTrunkPrefixPrefixRequired("23456", {}, {}, true));
    EXPECT_FALSE(set.isValidIntlPrefixTrunkPrefixPrefixRequired("134567", {}, {}, false));
    // Written with the calling code, a set without rules for it accepts its numbers...
    EXPECT_TRUE(set.isValidIntlPrefixTrunkPrefixPrefixRequired("234567", std::string("7"), {}, false));
    // ...but only those a rule covers.
    EXPECT_FALSE(set.isValidIntlPrefixTrunkPrefixPrefixRequired("2345", std::string("7"), {}, false));
    EXPECT_FALSE(set.isValidIntlPrefixTrunkPrefixPrefixRequired("934567", std::string("7"), {}, true));
}

TEST(RuleSet, LeadingDigitsBeyondTheIntegerRangeMatchNoOrdinaryRule)
{
    RuleSet set;
    set.matchLen = 12;
    set.addRule(makeRule(0, 999999, 14, 0, "############"));
    EXPECT_EQ(set.formatIntlPrefixTrunkPrefixPrefixRequired("99999999999999", {}, {}, false), std::nullopt);
}

} // namespace

#include "ComposerTestSupport.h"

#include "composer/CellPhoneNumberRules.h"
#include "composer/QuestionAndAnswerRules.h"
#include "sdk/facade/Veltra.h"

#include <algorithm>

namespace {

using composer_testing::ComposerTest;
using Rules = QuestionAndAnswerRules;

TEST(QuestionAndAnswerRules, CodesFollowTheFieldsConcerned)
{
    EXPECT_EQ(Rules::validate({}, "", std::nullopt, ""), Rules::kAllEmpty);
    EXPECT_EQ(Rules::validate({}, {}, {}, "only"), Rules::kFirstQuestionEmpty);
    EXPECT_EQ(Rules::validate("Pet?", "", {}, {}), Rules::kFirstAnswerEmpty);
    EXPECT_EQ(Rules::validate("Pet?", "Rex", {}, {}), Rules::kAccepted);
    EXPECT_EQ(Rules::validate("Pet?", "Rex", "City?", ""), Rules::kSecondAnswerEmpty);
    EXPECT_EQ(Rules::validate("Pet?", "Rex", "", "Oslo"), Rules::kSecondQuestionEmpty);
    EXPECT_EQ(Rules::validate(" ", " ", " ", " "), Rules::kAccepted);
}

TEST(CellPhoneNumberRules, TheEmbargoOnlyReadsACallingCodeFollowedByASpace)
{
    const CellPhoneNumberRules rules({"963", "53"});
    EXPECT_EQ(rules.validateForEmbargoedCountries("+963 11 234 5678"), CellPhoneNumberRules::kEmbargoedCountry);
    EXPECT_EQ(rules.validateForEmbargoedCountries("++53 5 123"), CellPhoneNumberRules::kEmbargoedCountry);
    EXPECT_EQ(rules.validateForEmbargoedCountries("+963112345678"), CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(rules.validateForEmbargoedCountries(""), CellPhoneNumberRules::kAccepted);
}

TEST(CellPhoneNumberRules, TheFormatterGetsTheCountryCodeAsGiven)
{
    const CellPhoneNumberRules rules({});
    std::string formatted;
    EXPECT_EQ(rules.validate("2015550123", formatted, ""), CellPhoneNumberRules::kAccepted);
    // Without a country the number is parsed as a US number but laid out by no country.
    EXPECT_EQ(formatted, "2015550123");
    EXPECT_EQ(rules.validate("2015550123", formatted, "US"), CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(formatted, "(201) 555-0123");
    EXPECT_EQ(rules.validate("12", formatted, "US"), CellPhoneNumberRules::kInvalidNumber);
    EXPECT_EQ(rules.validate("not a number", formatted, "NO"), CellPhoneNumberRules::kInvalidNumber);
    EXPECT_EQ(rules.validate("+47 406 12 345", formatted, "NO"), CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(formatted, "+47 406 12 345");
}

class PhoneValidationTest : public ComposerTest {};

TEST_F(PhoneValidationTest, EmbargoedCountriesAreRefusedOnlyWhenTypedWithASpace)
{
    const auto codes = Veltra::dashboard()->embargoedCallingCodes();
    ASSERT_NE(std::ranges::find(codes, "963"), codes.end());
    std::string formatted;
    EXPECT_EQ(model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode("+963 944 567 890", formatted, ""), 7);
    EXPECT_EQ(model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode("+963944567890", formatted, ""), 0);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode("+1 201 555 0123", "US"), 0);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode("555", "US"), 1);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode(std::nullopt, "US"), 1);
    EXPECT_EQ(model->validateForEmbargoedCountries("+963 1"), 7);
    EXPECT_FALSE(model->updatedCellPhoneNumberFromPhoneNumber(std::nullopt));
    EXPECT_TRUE(model->updatedCellPhoneNumberFromPhoneNumber("+12015550123"));
}

} // namespace

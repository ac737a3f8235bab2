#include "ComposerTestSupport.h"

#include "composer/CellPhoneNumberRules.h"
#include "foundation/Text.h"
#include "signers/TypedPhoneNumber.h"

#include <string>
#include <string_view>

namespace {

using composer_testing::ComposerTest;

// How a keyboard of some script writes a number.
struct Script {
    const char* name;
    char32_t zero;
    char32_t plus;
    char32_t space;
};

constexpr Script kScripts[] = {
    {"Arabic-Indic", 0x0660, U'+', U' '},
    {"Extended Arabic-Indic", 0x06F0, U'+', U' '},
    {"Devanagari", 0x0966, U'+', U' '},
    {"full-width", 0xFF10, 0xFF0B, 0x3000},
    {"full-width digits, ASCII plus", 0xFF10, U'+', U' '},
    {"Arabic-Indic, no-break spaces", 0x0660, U'+', 0x00A0},
};

// An ASCII number as the script writes it.
std::string inScript(std::string_view ascii, const Script& script)
{
    std::string text;
    for (const char character : ascii) {
        if (character >= '0' && character <= '9')
            platform::text::appendUtf8(text, script.zero + static_cast<char32_t>(character - '0'));
        else if (character == '+')
            platform::text::appendUtf8(text, script.plus);
        else if (character == ' ')
            platform::text::appendUtf8(text, script.space);
        else
            text += character;
    }
    return text;
}

class TypedPhoneNumberTest : public ComposerTest {
protected:
    // Every phone operation of the model answers for the typed text what it answers for
    // its ASCII equivalent.
    void expectReadAsAscii(const std::string& ascii, const Script& script, const std::string& region)
    {
        const std::string typed = inScript(ascii, script);
        SCOPED_TRACE(std::string(script.name) + " \"" + ascii + "\" in \"" + region + "\"");
        std::string formattedAscii;
        std::string formattedTyped;
        const int code = model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode(ascii, formattedAscii, region);
        EXPECT_EQ(model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode(typed, formattedTyped, region), code);
        EXPECT_EQ(formattedTyped, formattedAscii);
        EXPECT_EQ(model->validateCellPhoneNumberCountryCode(typed, region), code);
        EXPECT_EQ(model->validateForEmbargoedCountries(typed), model->validateForEmbargoedCountries(ascii));
        EXPECT_EQ(model->updatedCellPhoneNumberFromPhoneNumber(typed),
                  model->updatedCellPhoneNumberFromPhoneNumber(ascii));
    }
};

TEST_F(TypedPhoneNumberTest, APlusAndTwoDigitsOfAnyScriptAreReadAsAscii)
{
    // "+" and two ARABIC-INDIC DIGIT THREE once aborted the process inside the
    // as-you-type formatter.
    std::string formatted;
    EXPECT_EQ(model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode("+٣٣", formatted, "US"),
              CellPhoneNumberRules::kInvalidNumber);
    EXPECT_EQ(formatted, "+33 ");
    for (const auto& script : kScripts) {
        for (char digit = '0'; digit <= '9'; ++digit) {
            const std::string two(2, digit);
            for (const std::string& ascii : {"+" + two, "00" + two, two, "+ " + two, "+" + two + " ", " 00 " + two})
                for (const char* region : {"", "US", "FR", "EG", "IR", "IN"})
                    expectReadAsAscii(ascii, script, region);
        }
    }
}

TEST_F(TypedPhoneNumberTest, WholeNumbersOfAnyScriptAreValidatedAndLaidOutAsAscii)
{
    std::string formatted;
    EXPECT_EQ(model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode("+٣٣ ٦ ١٢ ٣٤ ٥٦ ٧٨", formatted, "US"),
              CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode("۰۶۱۲۳۴۵۶۷۸", "FR"), CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode("٠٠٣٣٦١٢٣٤٥٦٧٨", "FR"), CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode("९८७६५४३२१०", "IN"), CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode("＋１ ２０１ ５５５ ０１２３", ""), CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(model->updatedCellPhoneNumberFromPhoneNumber("＋１２０１５５５０１２３"),
              model->updatedCellPhoneNumberFromPhoneNumber("+12015550123"));
    for (const auto& script : kScripts) {
        for (const char* ascii : {"+33 6 12 34 56 78", "+33612345678", "0033 6 12 34 56 78", "06 12 34 56 78",
                                  "+1 201 555 0123", "2015550123", "011 33 6 12 34 56 78", "+91 98765 43210"})
            for (const char* region : {"", "US", "FR", "IN"})
                expectReadAsAscii(ascii, script, region);
    }
}

TEST_F(TypedPhoneNumberTest, EmbargoedCallingCodesTypedInOtherScriptsAreStillRefused)
{
    for (const auto& script : kScripts) {
        SCOPED_TRACE(script.name);
        EXPECT_EQ(model->validateCellPhoneNumberCountryCode(inScript("+963 944 567 890", script), ""),
                  CellPhoneNumberRules::kEmbargoedCountry);
        EXPECT_EQ(model->validateForEmbargoedCountries(inScript("+963 1", script)),
                  CellPhoneNumberRules::kEmbargoedCountry);
        EXPECT_EQ(model->validateCellPhoneNumberCountryCode(inScript("+963944567890", script), ""),
                  CellPhoneNumberRules::kAccepted);
    }
    // Direction marks an Arabic keyboard writes around the number are invisible and hide nothing.
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode("\u200F+\u200E٩٦٣\u200E ٩٤٤ ٥٦٧ ٨٩٠", ""),
              CellPhoneNumberRules::kEmbargoedCountry);
}

TEST_F(TypedPhoneNumberTest, APasteLongerThanTheCapIsAnInvalidNumberKeptAsPasted)
{
    const std::string pasted(5000, '7');
    std::string formatted;
    EXPECT_EQ(model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode(pasted, formatted, "US"),
              CellPhoneNumberRules::kInvalidNumber);
    EXPECT_EQ(formatted, pasted);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode("+1 201 555 0123" + pasted, "US"),
              CellPhoneNumberRules::kInvalidNumber);
    EXPECT_EQ(model->updatedCellPhoneNumberFromPhoneNumber(pasted), pasted);

    // Up to the cap, counted in characters as typed, the number is read.
    const std::string number = "+١٢٠١٥٥٥٠١٢٣";
    const std::string atCap = number + std::string(TypedPhoneNumber::kMaxLength - 12, ' ');
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode(atCap, "US"), CellPhoneNumberRules::kAccepted);
    EXPECT_EQ(model->validateCellPhoneNumberCountryCode(atCap + " ", "US"), CellPhoneNumberRules::kInvalidNumber);
    EXPECT_EQ(model->updatedCellPhoneNumberFromPhoneNumber(atCap + " "), atCap + " ");
}

} // namespace

#include "composer/CellPhoneNumberRules.h"

#include "foundation/BackgroundWork.h"
#include "signers/TypedPhoneNumber.h"

#include <phonenumbers/asyoutypeformatter.h>
#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <system_error>

namespace {

using i18n::phonenumbers::PhoneNumberUtil;

// The parser reads any UTF-8 text; characters of other scripts that are not digits are
// left in, so they keep a number invalid as they would written out.
bool isValidInRegion(const std::string& number, const std::string& region)
{
    const auto& util = *PhoneNumberUtil::GetInstance();
    i18n::phonenumbers::PhoneNumber parsed;
    // A number that does not parse stays empty and so is not valid; the parse error
    // itself is not what the sender is told.
    util.Parse(number, region, &parsed);
    return util.IsValidNumber(parsed);
}

// The as-you-type formatter counts its input in bytes in one place and in characters in
// another, and aborts the process when the two differ: it is fed ASCII only. Digits are
// ASCII already in the normal form; what else is left out is no digit of the number.
std::string formattedAsTyped(std::string number, const std::string& countryCode)
{
    std::erase_if(number, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    const std::unique_ptr<i18n::phonenumbers::AsYouTypeFormatter> formatter(
        PhoneNumberUtil::GetInstance()->GetAsYouTypeFormatter(countryCode));
    std::string result;
    for (const char character : number)
        formatter->InputDigit(static_cast<unsigned char>(character), &result);
    return result;
}

} // namespace

void CellPhoneNumberRules::warmUp()
{
    static std::once_flag started;
    std::call_once(started, [] {
        try {
            platform::BackgroundWork::start([] {
                // A whole number in the country the SMS page uses, through every step a keystroke takes.
                std::string formatted;
                CellPhoneNumberRules({}).validate("+16502530000", formatted, "US");
            });
        } catch (const std::system_error&) {
            // Without a spare thread the first keystroke pays for it, as it would anyway.
        }
    });
}

CellPhoneNumberRules::CellPhoneNumberRules(std::vector<std::string> embargoedCallingCodes)
    : embargoedCallingCodes_(std::move(embargoedCallingCodes))
{
}

int CellPhoneNumberRules::validate(const std::string& number, std::string& updatedPhoneNumber,
                                   const std::string& countryCode) const
{
    const auto typed = TypedPhoneNumber::bounded(number);
    if (!typed) {
        updatedPhoneNumber = number;
        return kInvalidNumber;
    }
    const std::string region = countryCode.empty() ? "US" : countryCode;
    updatedPhoneNumber = formattedAsTyped(*typed, countryCode);
    if (!isValidInRegion(*typed, region)) {
        return kInvalidNumber;
    }
    return embargoCodeOfNormalized(*typed);
}

int CellPhoneNumberRules::validateForEmbargoedCountries(const std::string& number) const
{
    return embargoCodeOfNormalized(TypedPhoneNumber::normalized(number));
}

int CellPhoneNumberRules::embargoCodeOfNormalized(const std::string& number) const
{
    std::string callingCode = number.substr(0, number.find(' '));
    std::erase(callingCode, '+');
    const bool embargoed = std::ranges::find(embargoedCallingCodes_, callingCode) != embargoedCallingCodes_.end();
    return embargoed ? kEmbargoedCountry : kAccepted;
}

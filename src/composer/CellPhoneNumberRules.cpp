#include "composer/CellPhoneNumberRules.h"

#include <phonenumbers/asyoutypeformatter.h>
#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <memory>

namespace {

using i18n::phonenumbers::PhoneNumberUtil;

bool isValidInRegion(const std::string& number, const std::string& region)
{
    const auto& util = *PhoneNumberUtil::GetInstance();
    i18n::phonenumbers::PhoneNumber parsed;
    // A number that does not parse stays empty and so is not valid; the parse error
    // itself is not what the sender is told.
    util.Parse(number, region, &parsed);
    return util.IsValidNumber(parsed);
}

} // namespace

CellPhoneNumberRules::CellPhoneNumberRules(std::vector<std::string> embargoedCallingCodes)
    : embargoedCallingCodes_(std::move(embargoedCallingCodes))
{
}

int CellPhoneNumberRules::validate(const std::string& number, std::string& updatedPhoneNumber,
                                   const std::string& countryCode) const
{
    const std::string region = countryCode.empty() ? "US" : countryCode;
    updatedPhoneNumber = formattedAsTyped(number, countryCode);
    if (!isValidInRegion(number, region)) {
        return kInvalidNumber;
    }
    return validateForEmbargoedCountries(number);
}

int CellPhoneNumberRules::validateForEmbargoedCountries(const std::string& number) const
{
    std::string callingCode = number.substr(0, number.find(' '));
    std::erase(callingCode, '+');
    const bool embargoed = std::ranges::find(embargoedCallingCodes_, callingCode) != embargoedCallingCodes_.end();
    return embargoed ? kEmbargoedCountry : kAccepted;
}

std::string CellPhoneNumberRules::formattedAsTyped(const std::string& number, const std::string& countryCode)
{
    const std::unique_ptr<i18n::phonenumbers::AsYouTypeFormatter> formatter(
        PhoneNumberUtil::GetInstance()->GetAsYouTypeFormatter(countryCode));
    std::string result;
    const auto* bytes = reinterpret_cast<const uint8_t*>(number.data());
    const int32_t length = static_cast<int32_t>(number.size());
    for (int32_t offset = 0; offset < length;) {
        UChar32 codePoint = 0;
        U8_NEXT(bytes, offset, length, codePoint);
        if (codePoint >= 0) {
            formatter->InputDigit(codePoint, &result);
        }
    }
    return result;
}

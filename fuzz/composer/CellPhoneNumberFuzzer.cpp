#include "composer/CellPhoneNumberRules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// A mobile number as typed on the SMS page, with the chosen country in its first two
// bytes: any text gives one of the phone codes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const std::string country(reinterpret_cast<const char*>(data), 2);
    const std::string number(reinterpret_cast<const char*>(data) + 2, size - 2);
    const CellPhoneNumberRules rules({"963", "53", "850"});
    std::string formatted;
    const int code = rules.validate(number, formatted, country);
    if (code != CellPhoneNumberRules::kAccepted && code != CellPhoneNumberRules::kInvalidNumber &&
        code != CellPhoneNumberRules::kEmbargoedCountry) {
        std::abort();
    }
    return 0;
}

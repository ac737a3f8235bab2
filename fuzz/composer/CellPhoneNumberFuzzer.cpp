#include "composer/CellPhoneNumberRules.h"
#include "signers/KWPhoneFormat.h"
#include "signers/TypedPhoneNumber.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

// A mobile number as typed on the SMS page, with the chosen country in its first two
// bytes: any text gives one of the phone codes, and the model's other phone operations
// (the embargo rule alone, the layout by the bundled rules) take it too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    static const KWPhoneFormat bundledRules(std::filesystem::path(VELTRA_RESOURCE_DIR) / "PhoneFormats.dat",
                                            std::string("us"));
    const std::string country(reinterpret_cast<const char*>(data), 2);
    const std::string number(reinterpret_cast<const char*>(data) + 2, size - 2);
    const CellPhoneNumberRules rules({"963", "53", "850"});
    std::string formatted;
    const int code = rules.validate(number, formatted, country);
    if (code != CellPhoneNumberRules::kAccepted && code != CellPhoneNumberRules::kInvalidNumber &&
        code != CellPhoneNumberRules::kEmbargoedCountry) {
        std::abort();
    }
    rules.validateForEmbargoedCountries(number);
    if (const auto typed = TypedPhoneNumber::bounded(number)) {
        bundledRules.format(*typed);
        bundledRules.isPhoneNumberValid(*typed);
    }
    return 0;
}

// The reader of "PhoneFormats.dat" on arbitrary bytes: construction, formatting,
// validity (on numbers of several scripts), lookups and the record descriptions must
// stay inside the data.
#include "signers/KWPhoneFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const KWPhoneFormat phone(std::vector<std::uint8_t>(data, data + size), std::string("us"));
    for (const char* number : {"6502530000", "+1 650 253 0000", "+44 20 7946", "011 44 20", "00 1 650", "+", "0", "1",
                               "+999 123", "*#06#", "+12345678901234567890", "", "+٣٣", "٦٥٠٢٥٣", "＋１ ６５٠",
                               "۰۰ ۴۴ २०"}) {
        phone.format(number);
        phone.isPhoneNumberValid(number);
    }
    phone.callingCodeForCountryCode("US");
    phone.countriesForCallingCode("+1");
    for (int code = 0; code < 1000; ++code) {
        if (const CallingCodeInfo* record = phone.callingCodeInfo(std::to_string(code)))
            record->description();
    }
    return 0;
}

// The SMS page formats a recipient's mobile number after every keystroke; this part of
// the host shows what the recipient's row would read while a number is typed, and which
// calling code the SDK finds for a few country codes.
#include "DemoRegistry.h"

#include "signers/KWPhoneFormat.h"

#include <iomanip>
#include <iostream>

namespace {

void showTyping(const KWPhoneFormat& phone, const std::string& keys)
{
    std::cout << "Typing " << keys << ":\n";
    std::string typed;
    for (const char key : keys) {
        if (key == ' ')
            continue;
        typed += key;
        std::cout << "  " << std::left << std::setw(18) << typed << phone.format(typed) << "\n";
    }
}

void showCallingCodes(const KWPhoneFormat& phone)
{
    std::cout << "Calling codes:\n";
    for (const char* country : {"US", "gb", "FR", "DE", "AU", "IN", "JP", "BR", "CU", "IR", "ZZ"}) {
        const auto callingCode = phone.callingCodeForCountryCode(country);
        std::cout << "  " << country << "  " << (callingCode ? "+" + *callingCode : "unknown") << "\n";
    }
}

host::DemoRegistration registration(10, "Phone numbers as they are typed", [](const host::DemoContext&) {
    const auto phone = KWPhoneFormat::instance();
    std::cout << "Device region: " << phone->defaultCountry() << "\n";
    for (const char* keys : {"650 253 0000", "+44 20 7946 0018", "+61 2 9374 4000", "+49 30 123456789",
                             "011 33 1 42 68 53 00"})
        showTyping(*phone, keys);
    showCallingCodes(*phone);
});

} // namespace

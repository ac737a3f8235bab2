#pragma once

#include <optional>
#include <string>
#include <vector>

// The checks of a recipient's mobile number for SMS authentication: a valid number in
// the chosen country (libphonenumber) whose calling code is not embargoed. Answers the
// model's phone codes: 0 accepted, 1 not a valid number, 7 embargoed calling code.
class CellPhoneNumberRules {
public:
    static constexpr int kAccepted = 0;
    static constexpr int kInvalidNumber = 1;
    static constexpr int kEmbargoedCountry = 7;

    // `embargoedCallingCodes`: calling codes without "+".
    explicit CellPhoneNumberRules(std::vector<std::string> embargoedCallingCodes);

    // Parses the number in the country (two letters; "US" when empty) and writes the
    // number as the formatter of that very country code lays it out while typing.
    int validate(const std::string& number, std::string& updatedPhoneNumber, const std::string& countryCode) const;
    // Only recognises an international number typed with a space after its calling code
    // ("+963 11 ..."); any other shape passes.
    int validateForEmbargoedCountries(const std::string& number) const;

    // The number as typed into the as-you-type formatter of the country code, code point
    // by code point.
    static std::string formattedAsTyped(const std::string& number, const std::string& countryCode);

private:
    std::vector<std::string> embargoedCallingCodes_;
};

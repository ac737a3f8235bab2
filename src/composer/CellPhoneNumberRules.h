#pragma once

#include <string>
#include <vector>

// The checks of a recipient's mobile number for SMS authentication: a valid number in
// the chosen country (libphonenumber) whose calling code is not embargoed. Answers the
// model's phone codes: 0 accepted, 1 not a valid number, 7 embargoed calling code.
//
// Every number is read in the normal form of TypedPhoneNumber, so digits of any script
// count as their ASCII digits and nothing a person types can reach libphonenumber in a
// form it cannot take. Text longer than TypedPhoneNumber::kMaxLength is not a valid
// number: it is answered at once, and laid out as it came.
//
// Keeps only its list of calling codes; its operations may run on any thread.
class CellPhoneNumberRules {
public:
    static constexpr int kAccepted = 0;
    static constexpr int kInvalidNumber = 1;
    static constexpr int kEmbargoedCountry = 7;

    // Readies libphonenumber on a worker thread, once per process: it compiles its
    // patterns on first use, which would otherwise fall on the sender's first keystroke.
    // Safe from any thread; later calls do nothing.
    static void warmUp();

    // `embargoedCallingCodes`: calling codes without "+".
    explicit CellPhoneNumberRules(std::vector<std::string> embargoedCallingCodes);

    // Parses the number in the country (two letters; "US" when empty) and writes the
    // number as the formatter of that very country code lays it out while typing.
    int validate(const std::string& number, std::string& updatedPhoneNumber, const std::string& countryCode) const;
    // Only recognises an international number typed with a space after its calling code
    // ("+963 11 ..."); any other shape passes.
    int validateForEmbargoedCountries(const std::string& number) const;

private:
    int embargoCodeOfNormalized(const std::string& number) const;

    std::vector<std::string> embargoedCallingCodes_;
};

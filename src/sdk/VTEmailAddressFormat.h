#pragma once

#include <string_view>

// The shape of an e-mail address a recipient may have:
//   local part  one or more of A-Z a-z 0-9 . _ % + -
//   "@"         exactly one
//   domain      two or more labels separated by "."; a label is 1 to 63 of A-Z a-z 0-9 -,
//               the last one 2 or more letters
// and at most 254 bytes in all, at most 64 before the "@". Everything outside ASCII is
// refused.
class VTEmailAddressFormat {
public:
    static constexpr std::size_t kMaximumLength = 254;
    static constexpr std::size_t kMaximumLocalPartLength = 64;
    static constexpr std::size_t kMaximumLabelLength = 63;

    static bool isValid(std::string_view address);

private:
    static bool isValidLocalPart(std::string_view localPart);
    static bool isValidDomain(std::string_view domain);
    static bool isValidLabel(std::string_view label);
    static bool isValidTopLevelLabel(std::string_view label);
};

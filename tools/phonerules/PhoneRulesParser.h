#pragma once

#include "phonerules/PhoneRulesSource.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace phonerules {

class PhoneRulesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the readable rules source. One directive per line; blank lines and lines whose
// first visible character is "#" are skipped; words are separated by spaces or tabs:
//
//   default-access <prefix>...   access prefixes of calling codes that name none
//   code <calling code>          starts the block of a calling code (1 to 3 digits)
//     access <prefix>...         its international access prefixes, in order
//     trunk <prefix>...          trunk prefixes beyond those of the region data
//     set <matchLen>             starts a rule set comparing that many leading digits
//       rule <min> <max> <maxLen> <prefixes> "<format>"
//
// <prefixes> is "-" (a number written without prefix), "n" (with the trunk prefix), "c"
// (with the calling code) or "nc". In a format "#" is a digit, "c" and "n" the prefix
// slots, "(" ")" a group, "[[...]]" an annotation dropped when the rule is read, and
// "\"" and "\\" escape a quote and a backslash. Faults throw PhoneRulesError naming the line.
class PhoneRulesParser {
public:
    static RulesSource parse(std::string_view text);
};

} // namespace phonerules

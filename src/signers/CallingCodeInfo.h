#pragma once

#include "signers/RuleSet.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Everything the rules file says about one calling code: the countries that share it,
// how numbers are dialled nationally (trunk prefixes) and abroad (international access
// prefixes), and the rule sets that lay its numbers out.
class CallingCodeInfo {
public:
    std::string callingCode;
    std::set<std::string> countries;
    std::vector<std::string> trunkPrefixes;
    std::vector<std::string> intlPrefixes;
    std::vector<RuleSet> ruleSets;

    // A number written without "+" (digits, "*" and "#"), laid out for display after
    // `lead`, which is kept as it is.
    std::string format(std::string_view number, std::string_view lead = {}) const;
    // True when a rule covers the number at exactly its full length.
    bool isValidPhoneNumber(std::string_view number) const;
    // The first international access prefix, in file order, that begins the number.
    std::optional<std::string_view> matchingAccessCode(std::string_view number) const;
    // The first trunk prefix, in file order, that begins the number.
    std::optional<std::string_view> matchingTrunkCode(std::string_view number) const;

    std::string description() const;

private:
    // The number with its leading calling code or trunk prefix split off.
    struct SplitNumber {
        std::string_view rest;
        std::optional<std::string_view> intlPrefix;
        std::optional<std::string_view> trunkPrefix;
    };
    SplitNumber split(std::string_view number) const;
    // The first rule, in the order the file gives them, that lays out the split number.
    const PhoneRule* ruleFor(const SplitNumber& parts) const;
};

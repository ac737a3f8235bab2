#pragma once

#include "signers/PhoneRule.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The rules of one calling code that compare the same number of leading digits.
class RuleSet {
public:
    int matchLen = 0;
    std::vector<PhoneRule> rules;
    bool hasRuleWithIntlPrefix = false;
    bool hasRuleWithTrunkPrefix = false;

    void addRule(PhoneRule rule);

    // The number (prefixes removed) laid out by the first rule that serves it and the
    // prefixes it was written with, or nothing when no rule does. With prefixRequired
    // only rules made for exactly those prefixes are considered.
    std::optional<std::string> formatIntlPrefixTrunkPrefixPrefixRequired(
        std::string_view number, const std::optional<std::string>& intlPrefix,
        const std::optional<std::string>& trunkPrefix, bool prefixRequired) const;

    // True when a rule covers the number at exactly its full length.
    bool isValidIntlPrefixTrunkPrefixPrefixRequired(std::string_view number,
                                                   const std::optional<std::string>& intlPrefix,
                                                   const std::optional<std::string>& trunkPrefix,
                                                   bool prefixRequired) const;

    std::string description() const;

private:
    template <class Predicate>
    const PhoneRule* firstRule(Predicate predicate) const;
    // The integer value of the leading matchLen characters, or nothing when the number is
    // shorter than that.
    std::optional<int> leadingValue(std::string_view number) const;
};

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
        std::string_view number, std::optional<std::string_view> intlPrefix,
        std::optional<std::string_view> trunkPrefix, bool prefixRequired) const;
    // The rule that lays the number out when written with those prefixes, or null.
    // `leading` is leadingValue(number), which callers trying many sets compute once.
    const PhoneRule* ruleFor(std::string_view number, std::optional<int> leading, bool hasIntlPrefix,
                             bool hasTrunkPrefix, bool prefixRequired) const;
    // The integer value of the leading matchLen characters, or nothing when the number is
    // shorter than that.
    std::optional<int> leadingValue(std::string_view number) const;

    // True when a rule covers the number at exactly its full length.
    bool isValidIntlPrefixTrunkPrefixPrefixRequired(std::string_view number,
                                                   std::optional<std::string_view> intlPrefix,
                                                   std::optional<std::string_view> trunkPrefix,
                                                   bool prefixRequired) const;

    std::string description() const;

private:
    template <class Predicate>
    const PhoneRule* firstRule(Predicate predicate) const;
};

#include "signers/RuleSet.h"

#include <climits>

namespace {

bool servesPrefixes(const PhoneRule& rule, bool hasIntl, bool hasTrunk, bool prefixRequired)
{
    const bool noPrefix = !hasIntl && !hasTrunk;
    if (noPrefix)
        return !prefixRequired || (!rule.hasTrunkPrefix() && !rule.hasIntlPrefix());
    return (hasTrunk && rule.hasTrunkPrefix()) || (hasIntl && rule.hasIntlPrefix());
}

// Reads digits the way a decimal integer is read from text: an optional "+", then digits
// up to the first other character, saturating instead of overflowing.
int integerValue(std::string_view text)
{
    std::size_t index = 0;
    if (index < text.size() && text[index] == '+')
        ++index;
    long long value = 0;
    for (; index < text.size() && text[index] >= '0' && text[index] <= '9'; ++index) {
        value = value * 10 + (text[index] - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace

void RuleSet::addRule(PhoneRule rule)
{
    hasRuleWithIntlPrefix = hasRuleWithIntlPrefix || rule.hasIntlPrefix();
    hasRuleWithTrunkPrefix = hasRuleWithTrunkPrefix || rule.hasTrunkPrefix();
    rules.push_back(std::move(rule));
}

template <class Predicate>
const PhoneRule* RuleSet::firstRule(Predicate predicate) const
{
    for (const auto& rule : rules) {
        if (predicate(rule))
            return &rule;
    }
    return nullptr;
}

std::optional<int> RuleSet::leadingValue(std::string_view number) const
{
    if (number.size() < static_cast<std::size_t>(matchLen))
        return std::nullopt;
    return integerValue(number.substr(0, static_cast<std::size_t>(matchLen)));
}

std::optional<std::string> RuleSet::formatIntlPrefixTrunkPrefixPrefixRequired(
    std::string_view number, std::optional<std::string_view> intlPrefix,
    std::optional<std::string_view> trunkPrefix, bool prefixRequired) const
{
    const auto* rule =
        ruleFor(number, leadingValue(number), intlPrefix.has_value(), trunkPrefix.has_value(), prefixRequired);
    if (!rule)
        return std::nullopt;
    return rule->formatIntlPrefixTrunkPrefix(number, intlPrefix, trunkPrefix);
}

const PhoneRule* RuleSet::ruleFor(std::string_view number, std::optional<int> leading, bool hasIntl, bool hasTrunk,
                                  bool prefixRequired) const
{
    if (!leading)
        return nullptr;
    const int value = *leading;
    const auto fits = [&](const PhoneRule& rule) {
        return rule.minVal <= value && value <= rule.maxVal && number.size() <= static_cast<std::size_t>(rule.maxLen);
    };
    const PhoneRule* rule = firstRule(
        [&](const PhoneRule& r) { return fits(r) && servesPrefixes(r, hasIntl, hasTrunk, prefixRequired); });
    if (!rule && prefixRequired)
        return nullptr;
    if (!rule && !hasIntl && hasTrunk)
        rule = firstRule(fits);
    if (!rule && hasIntl)
        rule = firstRule([&](const PhoneRule& r) { return fits(r) && (!hasTrunk || r.hasTrunkPrefix()); });
    return rule;
}

bool RuleSet::isValidIntlPrefixTrunkPrefixPrefixRequired(std::string_view number,
                                                        std::optional<std::string_view> intlPrefix,
                                                        std::optional<std::string_view> trunkPrefix,
                                                        bool prefixRequired) const
{
    const auto value = leadingValue(number);
    if (!value)
        return false;
    const auto fitsExactly = [&](const PhoneRule& rule) {
        return rule.minVal <= *value && *value <= rule.maxVal &&
               number.size() == static_cast<std::size_t>(rule.maxLen);
    };
    const bool hasIntl = intlPrefix.has_value();
    const bool hasTrunk = trunkPrefix.has_value();

    const auto servesWrittenPrefixes = [&](const PhoneRule& r) {
        return fitsExactly(r) && servesPrefixes(r, hasIntl, hasTrunk, prefixRequired);
    };
    if (firstRule(servesWrittenPrefixes))
        return true;
    if (prefixRequired)
        return false;
    // The fallbacks still ask for a rule that covers the number at its full length.
    if (hasIntl && !hasRuleWithIntlPrefix) {
        const auto servesTrunk = [&](const PhoneRule& r) { return fitsExactly(r) && (r.hasTrunkPrefix() || !hasTrunk); };
        return firstRule(servesTrunk) != nullptr;
    }
    if (!hasTrunk || hasRuleWithTrunkPrefix)
        return false;
    const auto servesIntl = [&](const PhoneRule& r) { return fitsExactly(r) && (r.hasIntlPrefix() || !hasIntl); };
    return firstRule(servesIntl) != nullptr;
}

std::string RuleSet::description() const
{
    std::string text = "RuleSet: { matchLen: " + std::to_string(matchLen) + ", rules: (";
    for (std::size_t index = 0; index < rules.size(); ++index)
        text += (index == 0 ? "" : ", ") + rules[index].description();
    return text + ") }";
}

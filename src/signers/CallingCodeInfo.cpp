#include "signers/CallingCodeInfo.h"

#include <array>

namespace {

std::optional<std::string_view> firstPrefixOf(std::string_view number, const std::vector<std::string>& prefixes)
{
    for (const auto& prefix : prefixes) {
        if (number.starts_with(prefix))
            return std::string_view(prefix);
    }
    return std::nullopt;
}

// The values of a number's leading digits that rule sets compare, each read once
// however many sets compare the same count of digits.
class LeadingValues {
public:
    explicit LeadingValues(std::string_view number)
        : number_(number)
    {
    }

    std::optional<int> of(const RuleSet& ruleSet)
    {
        if (ruleSet.matchLen < 0 || static_cast<std::size_t>(ruleSet.matchLen) >= known_.size())
            return ruleSet.leadingValue(number_);
        auto& known = known_[static_cast<std::size_t>(ruleSet.matchLen)];
        if (!known)
            known = ruleSet.leadingValue(number_);
        return *known;
    }

private:
    std::string_view number_;
    std::array<std::optional<std::optional<int>>, 16> known_{};
};

template <class Strings>
std::string listDescription(const Strings& strings)
{
    std::string text = "(";
    for (const auto& string : strings)
        text += (text.size() == 1 ? "" : ", ") + string;
    return text + ")";
}

} // namespace

CallingCodeInfo::SplitNumber CallingCodeInfo::split(std::string_view number) const
{
    if (number.starts_with(callingCode))
        return {number.substr(callingCode.size()), callingCode, std::nullopt};
    if (const auto trunk = matchingTrunkCode(number))
        return {number.substr(trunk->size()), std::nullopt, trunk};
    return {number, std::nullopt, std::nullopt};
}

std::string CallingCodeInfo::format(std::string_view number, std::string_view lead) const
{
    const SplitNumber parts = split(number);
    if (const auto* rule = ruleFor(parts))
        return rule->formatAfter(lead, parts.rest, parts.intlPrefix, parts.trunkPrefix);
    std::string formatted(lead);
    if (parts.intlPrefix && !parts.rest.empty())
        return formatted.append(callingCode).append(" ").append(parts.rest);
    return formatted.append(number);
}

const PhoneRule* CallingCodeInfo::ruleFor(const SplitNumber& parts) const
{
    LeadingValues leading(parts.rest);
    for (const bool prefixRequired : {true, false}) {
        for (const auto& ruleSet : ruleSets) {
            if (const auto* rule = ruleSet.ruleFor(parts.rest, leading.of(ruleSet), parts.intlPrefix.has_value(),
                                                   parts.trunkPrefix.has_value(), prefixRequired))
                return rule;
        }
    }
    return nullptr;
}

bool CallingCodeInfo::isValidPhoneNumber(std::string_view number) const
{
    const SplitNumber parts = split(number);
    for (const bool prefixRequired : {true, false}) {
        for (const auto& ruleSet : ruleSets) {
            if (ruleSet.isValidIntlPrefixTrunkPrefixPrefixRequired(parts.rest, parts.intlPrefix, parts.trunkPrefix,
                                                                   prefixRequired))
                return true;
        }
    }
    return false;
}

std::optional<std::string_view> CallingCodeInfo::matchingAccessCode(std::string_view number) const
{
    return firstPrefixOf(number, intlPrefixes);
}

std::optional<std::string_view> CallingCodeInfo::matchingTrunkCode(std::string_view number) const
{
    return firstPrefixOf(number, trunkPrefixes);
}

std::string CallingCodeInfo::description() const
{
    std::string text = "CountryInfo { countries: " + listDescription(countries) + ", code: " + callingCode +
                       ", trunkPrefixes: " + listDescription(trunkPrefixes) +
                       ", intlPrefixes: " + listDescription(intlPrefixes);
    std::vector<std::string> sets;
    for (const auto& ruleSet : ruleSets)
        sets.push_back(ruleSet.description());
    return text + ", rule sets: " + listDescription(sets) + " }";
}

#include "signers/CallingCodeInfo.h"

namespace {

std::optional<std::string> firstPrefixOf(std::string_view number, const std::vector<std::string>& prefixes)
{
    for (const auto& prefix : prefixes) {
        if (number.starts_with(prefix))
            return prefix;
    }
    return std::nullopt;
}

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
    if (auto trunk = matchingTrunkCode(number))
        return {number.substr(trunk->size()), std::nullopt, std::move(trunk)};
    return {number, std::nullopt, std::nullopt};
}

std::string CallingCodeInfo::format(std::string_view number) const
{
    const SplitNumber parts = split(number);
    for (const bool prefixRequired : {true, false}) {
        for (const auto& ruleSet : ruleSets) {
            if (auto formatted = ruleSet.formatIntlPrefixTrunkPrefixPrefixRequired(
                    parts.rest, parts.intlPrefix, parts.trunkPrefix, prefixRequired))
                return *formatted;
        }
    }
    if (parts.intlPrefix && !parts.rest.empty())
        return callingCode + " " + std::string(parts.rest);
    return std::string(number);
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

std::optional<std::string> CallingCodeInfo::matchingAccessCode(std::string_view number) const
{
    return firstPrefixOf(number, intlPrefixes);
}

std::optional<std::string> CallingCodeInfo::matchingTrunkCode(std::string_view number) const
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

#pragma once

#include <optional>
#include <string>
#include <string_view>

// One formatting pattern of a rule set: the range of leading digits it serves, the
// longest number it covers, which written prefixes it serves and its format string.
// Format characters: "#" a digit, "c" the international prefix, "n" the trunk prefix,
// "(" ")" a group padded with spaces while typing; anything else is a literal.
class PhoneRule {
public:
    int minVal = 0;
    int maxVal = 0;
    int byte8 = 0;
    int maxLen = 0;
    int otherFlag = 0;
    int prefixLen = 0;
    int flag12 = 0;
    int flag13 = 0;
    std::string format;

    bool hasTrunkPrefix() const { return (flag12 & 0x01) != 0; }
    bool hasIntlPrefix() const { return (flag12 & 0x02) != 0; }

    // The digits laid out by the format. Literals show only while more digits follow, so
    // punctuation grows as the number is typed.
    std::string formatIntlPrefixTrunkPrefix(std::string_view digits, std::optional<std::string_view> intlPrefix,
                                            std::optional<std::string_view> trunkPrefix) const;
    // The same layout written after `lead`, which is kept as it is.
    std::string formatAfter(std::string_view lead, std::string_view digits, std::optional<std::string_view> intlPrefix,
                            std::optional<std::string_view> trunkPrefix) const;

    std::string description() const;
};

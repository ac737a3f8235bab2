#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the rules compiler knows before it lays out "PhoneFormats.dat": the formatting
// rules written by hand, and the regions with their calling and trunk prefixes.
namespace phonerules {

// Bits of a rule's prefix byte: the rule serves numbers written with a trunk prefix,
// with the international prefix (the calling code).
inline constexpr std::uint8_t kTrunkPrefixBit = 0x01;
inline constexpr std::uint8_t kIntlPrefixBit = 0x02;

struct RuleSource {
    std::int32_t minVal = 0;
    std::int32_t maxVal = 0;
    std::uint8_t maxLen = 0;
    std::uint8_t prefixBits = 0;
    std::string format;
};

struct RuleSetSource {
    std::uint16_t matchLen = 0;
    std::vector<RuleSource> rules;
};

struct CallingCodeSource {
    std::string callingCode;
    std::vector<std::string> accessPrefixes;
    // Trunk prefixes in addition to those the region data names.
    std::vector<std::string> trunkPrefixes;
    std::vector<RuleSetSource> ruleSets;
};

struct RulesSource {
    // Access prefixes of the calling codes whose block names none.
    std::vector<std::string> defaultAccessPrefixes;
    std::vector<CallingCodeSource> callingCodes;
};

// One region of the header: its lower-case country code, calling code and trunk prefixes.
struct Region {
    std::string country;
    std::string callingCode;
    std::vector<std::string> trunkPrefixes;
};

} // namespace phonerules

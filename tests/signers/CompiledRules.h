#pragma once

#include "phonerules/PhoneFormatsWriter.h"
#include "phonerules/PhoneRulesParser.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace signers_tests {

// A rules file of the test's own, laid out by the rules compiler's core.
inline std::vector<std::uint8_t> compileRules(std::string_view rules, const std::vector<phonerules::Region>& regions)
{
    return phonerules::PhoneFormatsWriter::write(phonerules::PhoneRulesParser::parse(rules), regions);
}

// North America (us, ca) and the United Kingdom (gb, gg).
inline const std::vector<phonerules::Region>& sampleRegions()
{
    static const std::vector<phonerules::Region> regions{
        {"us", "1", {"1"}}, {"ca", "1", {"1"}}, {"gb", "44", {"0"}}, {"gg", "44", {"0"}}};
    return regions;
}

inline constexpr std::string_view kSampleRules = R"(
default-access 00
code 1
  access 011
  set 1
    rule 2 9 10 - "(###) ###-####"
    rule 2 9 10 c "c (###) ###-####"
code 44
  set 2
    rule 20 20 10 n "n## #### ####[[London]]"
    rule 20 20 10 c "c ## #### ####"
    rule 70 79 10 - "#### ######"
)";

inline std::vector<std::uint8_t> sampleRulesFile() { return compileRules(kSampleRules, sampleRegions()); }

} // namespace signers_tests

#pragma once

#include "phonerules/PhoneRulesSource.h"

#include <cstdint>
#include <vector>

namespace phonerules {

// Lays out "PhoneFormats.dat": a header entry for every region, in the order given, and
// one data block per calling code that the regions sharing it point to. A block holds
// the trunk prefixes (the regions' own, then the source's extra ones), the access
// prefixes (the source's, else its defaults), the rule sets and their format strings.
// Calling codes of the source without a region, and values that do not fit the layout,
// throw PhoneRulesError.
class PhoneFormatsWriter {
public:
    static std::vector<std::uint8_t> write(const RulesSource& source, const std::vector<Region>& regions);
};

} // namespace phonerules

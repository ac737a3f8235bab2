#pragma once

#include "phonerules/PhoneRulesSource.h"

#include <vector>

namespace phonerules {

// Every geographic region of libphonenumber's data, sorted by country code, with its
// calling code and national (trunk) prefix.
class RegionCatalog {
public:
    static std::vector<Region> allRegions();
};

} // namespace phonerules
